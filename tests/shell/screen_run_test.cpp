// The screens as a player meets them, in whole headless runs: the title's menus and latches, the
// name entry, screenshots, and leaving from a game. Each run's results are read back from the
// files it leaves.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/gfx.h"
#include "platform/unprivileged.h"
#include "run_game.h"
#include "scores/score_file.h"
#include "scores/scores.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// The results the run saved, as the next start would load them.
std::vector<ScoresRef> SavedResults() {
    fs::path back = fs::current_path();
    fs::current_path("Files/279");
    ScoreList.clear();
    LoadScores();
    fs::current_path(back);
    return ScoreList;
}

// A grabbed frame shows a game when the red floor band lies along its bottom.
bool ShowsAGame(const std::string& png) {
    Pixmap frame;
    return LoadPngFile(png, frame) && (ReadPixel(frame, 400, 590) & 0xFFFFFF) == 0x640000u;
}

} // namespace

TEST(ScreenRun, TitleStepsOncePerPressAndTheNameEntryEditsTheName) {
    ScratchDir scratch;
    ASSERT_EQ(RunGame("title_navigation.txt"), 0) << ReadFileText("err.txt");
    std::vector<ScoresRef> results = SavedResults();
    ASSERT_EQ(results.size(), 1u);
    // Down, down, up: "Less Bashes"; right, right: level set 3.
    EXPECT_EQ(results[0]->GameMode, 1);
    EXPECT_EQ(results[0]->GameFlags, 2);
    // Six Backspaces empty "Player"; the "|" typed after is never taken into the name.
    EXPECT_EQ(results[0]->Name, "ZedAnn");
    EXPECT_EQ(results[0]->Quit, 0);
    // Return still held from the name entry starts no second game.
    EXPECT_FALSE(ShowsAGame("after.png"));
}

TEST(ScreenRun, PlayerThreesControlsStartAGame) {
    ScratchDir scratch;
    CopyAssetPack();
    WriteFileText("Files/Setup.ini", "[Controls]\r\nKey=40,87\r\n"); // player 3's up is W
    ASSERT_EQ(RunGame("player_three_starts.txt"), 0) << ReadFileText("err.txt");
    std::vector<ScoresRef> results = SavedResults();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0]->GameMode, 1);
    EXPECT_EQ(results[0]->Name, "Player");
}

TEST(ScreenRun, AClickChoosesAGameModeWithoutStartingIt) {
    ScratchDir scratch;
    ASSERT_EQ(RunGame("click_chooses_mode.txt"), 0) << ReadFileText("err.txt");
    EXPECT_FALSE(ShowsAGame("chosen.png"));
    std::vector<ScoresRef> results = SavedResults();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0]->GameMode, 1);
}

TEST(ScreenRun, ScreenshotsInOneSecondGetTheirOwnNames) {
    ScratchDir scratch;
    ASSERT_EQ(RunGame("screenshots.txt"), 0) << ReadFileText("err.txt");
    // The simulated clock starts at 10:34:56 on 9 December 2011.
    const std::string first = "Files/Bodger Thump (Screenshot_09 Dec 2011_103506).png";
    const std::string second = "Files/Bodger Thump (Screenshot_09 Dec 2011_103506) (2).png";
    for (const std::string& file : {first, second}) {
        SCOPED_TRACE(file);
        Pixmap shot;
        ASSERT_TRUE(LoadPngFile(file, shot));
        EXPECT_EQ(shot.width, 800);
        EXPECT_EQ(shot.height, 600);
        bool opaque = true;
        for (uint32_t pixel : shot.pixels) opaque = opaque && (pixel >> 24) == 0xFF;
        EXPECT_TRUE(opaque);
    }
    std::string log = RunLog();
    EXPECT_NE(log.find("\tSaving Screenshot : Bodger Thump (Screenshot_09 Dec 2011_103506).png\r\n"
                       "\tSaved Screenshot 1\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("(2).png\r\n\tSaved Screenshot 1\r\n"), std::string::npos);
}

TEST(ScreenRun, LeavingFromAGameGoesThroughTheClosingScreen) {
    for (const char* script : {"alt_f4_in_game.txt", "close_in_game.txt"}) {
        SCOPED_TRACE(script);
        ScratchDir scratch;
        ASSERT_EQ(RunGame(script), 0) << ReadFileText("err.txt");
        EXPECT_TRUE(RunLog().ends_with("Closing Up\r\n\r\nBye!\r\n\r\nPlay again, soon!!\r\n"));
        EXPECT_NE(ReadFileText("Files/Setup.ini").find("[Graphics]\r\n"), std::string::npos);
        // The game was left, not finished: nothing is filed, but the score file is written.
        EXPECT_TRUE(fs::exists("Files/279/nuscores.dat"));
        EXPECT_TRUE(SavedResults().empty());
    }
}

TEST(ScreenRun, ReachingTheBottomShowsTheResultPanelAndEndsTheGame) {
    ScratchDir scratch;
    ASSERT_EQ(RunGame("reach_the_bottom.txt"), 0) << ReadFileText("err.txt");
    // The panel (black at alpha 0.75, 480 units wide from the middle less 240) darkens the board
    // down its right-hand strip, where no text stands.
    Pixmap frame;
    ASSERT_TRUE(LoadPngFile("panel.png", frame));
    for (int y = 100; y <= 800; y += 50) {
        uint32_t pixel = ReadPixel(frame, static_cast<int>((1280 / 2 - 240 + 460) * 0.625f),
                                   static_cast<int>(y * 0.625f));
        int brightest = std::max({(pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF});
        EXPECT_LE(brightest, 72) << "at virtual y " << y;
    }
    std::vector<ScoresRef> results = SavedResults();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0]->GameMode, 0);
    EXPECT_EQ(results[0]->Quit, 0);
    // Five bashes were left: 125 points of bonus on top of what the bashes and pick-ups made.
    EXPECT_GE(results[0]->Score, 125);
}

TEST(ScreenRun, AJoystickPlaysAWholeGame) {
    ScratchDir scratch;
    CopyAssetPack();
    // Player 1's down is joystick 1's Y axis pushed down (301), button 1 its button 0 (330).
    WriteFileText("Files/Setup.ini", "[Controls]\r\nKey=8,301\r\nKey=10,330\r\n");
    ASSERT_EQ(RunGame("joystick_game.txt", "--joysticks 1"), 0) << ReadFileText("err.txt");
    std::vector<ScoresRef> results = SavedResults();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0]->GameMode, 1);
    EXPECT_GT(results[0]->Score, 0);
}

TEST(ScreenRun, TheFarewellPageSaysWhenTheScoresCouldNotBeSaved) {
    // Two leavings, one with a data folder the program may not write to. Only that page carries
    // the extra line, drawn in light red near the bottom left.
    auto reddishPixels = [](const Pixmap& page) {
        int count = 0;
        for (int y = 560; y < 600; y++)
            for (int x = 20; x < 400; x++) {
                uint32_t p = ReadPixel(page, x, y);
                count += ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) < 160 && (p & 0xFF) < 160;
            }
        return count;
    };
    for (bool writable : {true, false}) {
        SCOPED_TRACE(writable ? "writable" : "read-only");
        ScratchDir scratch;
        CopyAssetPack();
        fs::permissions(scratch.path, fs::perms::all);
        // The program runs as another user here: everything it writes must be open to it.
        for (const char* folder : {"Files", "Files/279", "Files/Common"})
            fs::permissions(folder, fs::perms::all);
        if (!writable)
            fs::permissions("Files/279", fs::perms::owner_read | fs::perms::owner_exec |
                                             fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
        // As root the folder's permissions would not stop the save.
        EXPECT_TRUE(RunUnprivileged([] { return RunGame("close_and_grab_farewell.txt") == 0; }))
            << ReadFileText("err.txt");
        std::string log = RunLog();
        EXPECT_EQ(log.find("\tnuscores.dat could not be saved: ") != std::string::npos, !writable);
        Pixmap page;
        ASSERT_TRUE(LoadPngFile("farewell.png", page));
        if (writable)
            EXPECT_EQ(reddishPixels(page), 0);
        else
            EXPECT_GT(reddishPixels(page), 50);
    }
}
