#include "shell/folders.h"

#include "platform/files.h"
#include "shell/game_title.h"

std::string filesFolder;

bool EnterFilesSubfolder(const std::string& sub) {
    if (!filesFolder.empty()) ChangeDir(filesFolder);
    if (ChangeDir(sub)) return true;
    return false;
}

bool EnterDataFolder() {
    return EnterFilesSubfolder(DataFolderName());
}
