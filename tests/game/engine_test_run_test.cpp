// The engine test on simulated machines of different speeds: the budgets it sets and what it
// logs, from the debug log and the settings file a whole run leaves.
#include <gtest/gtest.h>

#include "run_game.h"
#include "test_support.h"

namespace {

std::string ResultsBlock(const std::string& log) {
    size_t from = log.find("Engine Test Results");
    size_t to = log.find("-=-=-=-=-=-=-=-=-=-=-=-=-=-", from);
    return from == std::string::npos ? "" : log.substr(from, to - from);
}

} // namespace

TEST(EngineTestRun, BudgetsFollowTheMachinesSpeed) {
    struct Case {
        const char* name;
        const char* setup; // Setup.ini before the run, "" for none
        int drawCostNs;
        const char* aiming;
        const char* results;
        bool slowAfter;
    };
    const Case cases[] = {
        // Holds 60 frames a second at every count: the largest budgets.
        {"fast", "", 0, "Aiming for 60,2",
         "Engine Test Results\r\n\r\n\tMaximum Sprites Allowed for 60 Frames Per Second\r\n"
         "\tMain sprites : 10000\r\n\tGlowy Sprites : 500\r\n\tParticles : 8000\r\n\r\n\r\n",
         false},
        // A microsecond an image: the frame rate falls below 54 after 3000 sprites.
        {"middling", "", 1000, "Aiming for 60,2",
         "Engine Test Results\r\n\r\n\tMaximum Sprites Allowed for 60 Frames Per Second\r\n"
         "\tMain sprites : 1500\r\n\tGlowy Sprites : 500\r\n\tParticles : 1200\r\n\r\n\r\n",
         false},
        // Cannot hold the target at 1000 sprites: the floors, 30 fps and the slow-system mode.
        {"slow", "", 20000, "Aiming for 60,2",
         "Engine Test Results\r\n\r\n\tMaximum Sprites Allowed for 60 Frames Per Second\r\n"
         "\tMain sprites : 0\r\n\tGlowy Sprites : 500\r\n\tParticles : 0\r\n\r\n"
         "Settings Overwritten, Set to Default Lower Limits at 30fps.\r\n\r\n",
         true},
        // Already a slow system: the target is 30 whatever the machine does.
        {"slow setting", "ESS=1\r\n", 0, "Aiming for 30,2",
         "Engine Test Results\r\n\r\n\tMaximum Sprites Allowed for 30 Frames Per Second\r\n"
         "\tMain sprites : 10000\r\n\tGlowy Sprites : 500\r\n\tParticles : 8000\r\n\r\n"
         "Settings Overwritten, Set to Default Lower Limits at 30fps.\r\n\r\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        CopyAssetPack();
        if (*c.setup) WriteFileText("Files/Setup.ini", c.setup);
        ASSERT_EQ(RunGame("start_and_close.txt", "--draw-cost " + std::to_string(c.drawCostNs)), 0)
            << ReadFileText("err.txt");
        std::string log = RunLog();
        EXPECT_NE(
            log.find(std::string("Starting Engine Test\r\n") + c.aiming + "\r\nTest Complete"),
            std::string::npos);
        EXPECT_EQ(ResultsBlock(log), c.results);
        bool slowAfter = ReadFileText("Files/Setup.ini").find("\r\nESS=1 ;") != std::string::npos;
        EXPECT_EQ(slowAfter, c.slowAfter);
    }
}
