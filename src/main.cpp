#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/key_names.h"
#include "display/virtual_screen.h"
#include "game/board.h"
#include "game/board_text.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/gfx.h"
#include "platform/input.h"
#include "platform/input_script.h"
#include "platform/platform.h"
#include "shell/command_line.h"
#include "shell/start_up.h"

namespace {

std::string audioOutFile;
// Files named on the command line and in the script are relative to where the program started,
// not to the data folder it works in later.
std::string launchFolder;

std::string FromLaunchFolder(const std::string& file) {
    if (file.empty() || file[0] == '/' || launchFolder.empty()) return file;
    return launchFolder + "/" + file;
}

void WriteAudioOut() {
    if (!audioOutFile.empty() && !WriteMixedAudioWav(audioOutFile))
        std::fprintf(stderr, "bodger-thump: could not write %s\n", audioOutFile.c_str());
}

// The script's grab: the frame just shown, as a PNG, without any notice on screen.
void GrabFrame(const std::string& name) {
    const std::string file = FromLaunchFolder(name);
    Pixmap frame;
    if (!GrabBackBuffer(0, 0, screenWidth, screenHeight, frame) ||
        SavePixmapPng(frame, file, 1) != 1)
        std::fprintf(stderr, "bodger-thump: could not grab the frame into %s\n", file.c_str());
}

int RunHeadless(const CommandLine& options) {
    launchFolder = CurrentDir();
    std::string error;
    DateTime start;
    if (options.dateGiven) start = options.date;
    if (!InitPlatform(Backend::Headless, start, error)) {
        std::fprintf(stderr, "bodger-thump: %s\n", error.c_str());
        return 1;
    }
    InputScript script;
    if (!options.scriptFile.empty() &&
        !LoadInputScript(options.scriptFile, KeyCodeByName, script, error)) {
        std::fprintf(stderr, "bodger-thump: %s\n", error.c_str());
        return 2;
    }
    StartInputScript(script);
    if (options.maxFrames > 0) SetMaxFrames(options.maxFrames);
    AttachVirtualJoysticks(options.joysticks);
    SetHeadlessDrawCost(options.drawCostNs);
    headlessFlipHook = ScriptFrameShown;
    scriptGrabHook = GrabFrame;
    audioOutFile = FromLaunchFolder(options.audioOutFile);
    std::atexit(WriteAudioOut);
    StartUp();
    return 0;
}

int RunWindowed() {
    std::string error;
    if (!InitPlatform(Backend::Sdl, error)) {
        std::fprintf(stderr, "bodger-thump: %s\n", error.c_str());
        return 1;
    }
    // Without a video service the display cannot open: start-up then logs why, says it on
    // standard error and exits with code 1, as for any display that cannot be opened.
    StartVideo(error);
    StartUp();
    return 0;
}

} // namespace

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
    // Both runs end inside the closing screen, which exits the process.
    return options.headless ? RunHeadless(options) : RunWindowed();
}
