// Where the game's folders are: Files/ beside the program, its Common/ and the data folder.
#pragma once

#include <string>

// The absolute path of Files/ as start-up found it (the launch folder when Files/ is missing).
// Folder changes go through it, so a missing Common or data folder never leaves the program in
// the wrong place.
extern std::string filesFolder;

// Enters Files/<sub>; false (and the working folder is Files/) when it is missing.
bool EnterFilesSubfolder(const std::string& sub);
// Enters the data folder, or stays in Files/ when it is missing; true when the data folder exists.
bool EnterDataFolder();
