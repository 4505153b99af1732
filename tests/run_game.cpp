#include "run_game.h"

#include <filesystem>

#include "platform/run_command.h"
#include "test_support.h"

namespace fs = std::filesystem;

void CopyAssetPack() {
    if (!fs::exists("Files"))
        fs::copy(fs::path(BODGER_BUILD_DIR) / "Files", "Files", fs::copy_options::recursive);
}

int RunGame(const std::string& script, const std::string& extra) {
    CopyAssetPack();
    std::string command = std::string(BODGER_PROGRAM) + " --headless --max-frames 20000 --script " +
                          BODGER_TEST_DATA + "/scripts/" + script + " " + extra +
                          " >out.txt 2>err.txt";
    return RunCommand(command);
}

std::string RunLog() {
    return ReadFileText("Files/Debug.txt");
}
