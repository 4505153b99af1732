// Whole runs of the program on the headless backend, from start-up to the closing screen.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/gfx.h"
#include "platform/run_command.h"
#include "run_game.h"
#include "scores/score_file.h"
#include "scores/scores.h"
#include "test_support.h"

namespace fs = std::filesystem;

TEST(HeadlessRun, StartUpLogMatchesTheExpectedLog) {
    ScratchDir scratch;
    ASSERT_EQ(RunGame("start_and_close.txt"), 0) << ReadFileText("err.txt");
    EXPECT_EQ(ReadFileText("Files/Debug.txt"),
              ReadFileText(fs::path(BODGER_TEST_DATA) / "start_log.txt"));
}

TEST(HeadlessRun, AWholeGameIsFiledAndSavedForTheNextStart) {
    ScratchDir scratch;
    ASSERT_EQ(RunGame("whole_game.txt"), 0) << ReadFileText("err.txt");
    ASSERT_TRUE(fs::exists("Files/279/nuscores.dat"));
    // The grabbed play frame (800 x 600 real for the 1280 x 960 virtual screen) shows the board
    // where it belongs: cell (0, 0) at virtual (32, 128), the red floor band from 928 down, and
    // nothing left of the board.
    Pixmap frame;
    ASSERT_TRUE(LoadPngFile("play.png", frame));
    ASSERT_EQ(frame.width, 800);
    ASSERT_EQ(frame.height, 600);
    EXPECT_EQ(ReadPixel(frame, 400, 590) & 0xFFFFFF, 0x640000u);
    EXPECT_EQ(ReadPixel(frame, 8, 300) & 0xFFFFFF, 0u);
    int coloured = 0, cells = 0;
    for (int y = 0; y < 23; y++)
        for (int x = 0; x < 38; x++, cells++) {
            // The middle of each cell, in real pixels.
            int px = static_cast<int>((32 + 32 * x + 16) * 0.625f);
            int py = static_cast<int>((128 + 32 * y + 16) * 0.625f);
            coloured += (ReadPixel(frame, px, py) & 0xFFFFFF) != 0;
        }
    EXPECT_GT(coloured, cells * 3 / 4);
    // What the next start reads: the same loader, on the file this run left.
    fs::current_path("Files/279");
    LoadScores();
    ASSERT_EQ(ScoreList.size(), 1u);
    const Scores& result = *ScoreList.front();
    EXPECT_EQ(result.Name, "PlayerTester");
    EXPECT_EQ(result.GameMode, 1);
    EXPECT_EQ(result.GameFlags, 0);
    EXPECT_EQ(result.Quit, 0);
    EXPECT_GT(result.Score, 0);
    EXPECT_EQ(playerName, "PlayerTester");
}

TEST(HeadlessRun, TheMixedSoundHoldsTheChime) {
    ScratchDir scratch;
    ASSERT_EQ(RunGame("start_and_close.txt", "--audio-out mixed.wav"), 0)
        << ReadFileText("err.txt");
    std::string wav = ReadFileText("mixed.wav");
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 4), "WAVE");
    // The run lasts many simulated seconds, 44100 stereo 16-bit frames each.
    EXPECT_GT(wav.size(), 44u + 5u * 44100u * 4u);
    // The chime plays at the first frame: loud samples within the first second and a half.
    int loudest = 0;
    for (size_t i = 44; i + 1 < 44 + 66150u * 4u && i + 1 < wav.size(); i += 2) {
        int sample = static_cast<int16_t>(static_cast<uint8_t>(wav[i]) |
                                          static_cast<uint8_t>(wav[i + 1]) << 8);
        loudest = std::max(loudest, std::abs(sample));
    }
    EXPECT_GT(loudest, 2000);
}

TEST(HeadlessRun, WithoutADisplayTheWindowedGameSaysWhyAndExits) {
    ScratchDir scratch;
    CopyAssetPack();
    std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ") +
                          BODGER_PROGRAM + " >out.txt 2>err.txt";
    EXPECT_EQ(RunCommand(command), 1);
    EXPECT_NE(ReadFileText("err.txt").find("bodger-thump: no display could be opened: "),
              std::string::npos);
    EXPECT_NE(RunLog().find("\tNo display could be opened: "), std::string::npos);
    // As after a crash while the display opened: the next start tries the second renderer.
    EXPECT_TRUE(fs::exists("Files/279/crash.dat"));
}
