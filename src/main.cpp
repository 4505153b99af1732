#include <cstdio>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/board_text.h"
#include "shell/command_line.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    CommandLine options;
    std::string error;
    if (!ParseCommandLine(args, options, error)) {
        std::fprintf(stderr, "bodger-thump: %s\n%s", error.c_str(), UsageText().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s\n", VersionText().c_str());
        return 0;
    }
    if (options.printBoard) {
        // Only the deal runs: no display, no sound, nothing written under Files/.
        GameMode = options.boardMode;
        GameFlags = options.boardSet;
        DealBoard();
        std::fputs(BoardText().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    std::fprintf(stderr, "bodger-thump: the game screens are not built yet\n");
    return 1;
}
