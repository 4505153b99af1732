// Runs the built program's --print-board and its argument checks as a player would.
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/run_command.h"
#include "test_support.h"

namespace {
struct ProgramResult {
    int exitCode;
    std::string out, err;
};

// Runs the program with the arguments (already quoted for the shell) in the current folder.
ProgramResult RunProgram(const std::string& args) {
    std::string command = std::string("'") + BODGER_PROGRAM + "' " + args + " >out.txt 2>err.txt";
    int code = RunCommand(command);
    ProgramResult run{code, ReadFileText("out.txt"), ReadFileText("err.txt")};
    std::filesystem::remove("out.txt");
    std::filesystem::remove("err.txt");
    return run;
}
} // namespace

TEST(PrintBoardRun, PrintsEveryBoardInItsShape) {
    ScratchDir scratch;
    for (int mode = 0; mode < 5; mode++) {
        for (int set = 0; set < 5; set++) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " set " << set);
            ProgramResult run =
                RunProgram("--print-board " + std::to_string(mode) + " " + std::to_string(set));
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(run.err, "");
            std::istringstream lines(run.out);
            std::string line;
            for (int row = 0; row < 25; row++) {
                ASSERT_TRUE(std::getline(lines, line));
                ASSERT_EQ(line.size(), 38u) << "row " << row;
                EXPECT_EQ(line.find_first_not_of(row < 23 ? ".12345678pPbc" : ".pP"),
                          std::string::npos)
                    << line;
                if (row == 23) {
                    EXPECT_EQ(line, std::string(38, '.'));
                }
            }
            ASSERT_TRUE(std::getline(lines, line));
            int bashes = -1;
            ASSERT_EQ(line.rfind("bashes ", 0), 0u) << line;
            bashes = std::stoi(line.substr(7));
            const int fixed[5] = {20, 5, 12, 0, 0};
            if (fixed[mode])
                EXPECT_EQ(bashes, fixed[mode]);
            else
                EXPECT_TRUE(bashes >= 8 && bashes <= 16) << bashes;
            EXPECT_FALSE(std::getline(lines, line));
        }
    }
    EXPECT_EQ(RunProgram("--print-board 1 2").out,
              ReadFileText(std::string(BODGER_TEST_DATA) + "/board_m1_s2.txt"));
    EXPECT_FALSE(std::filesystem::exists("Files"));
}

TEST(PrintBoardRun, BadArgumentsExitWithTwoAndTheUsage) {
    ScratchDir scratch;
    struct Case {
        const char* args;
        const char* named;
    };
    const Case cases[] = {
        {"--print-board 5 0", "'5'"},
        {"--print-board 0", "--print-board"},
        {"--print-board 0 x", "'x'"},
        {"--wobble", "--wobble"},
        {"--headless --max-frames", "--max-frames"},
        {"--headless --date 'not a date'", "'not a date'"},
    };
    for (const Case& c : cases) {
        ProgramResult run = RunProgram(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        std::string first = run.err.substr(0, run.err.find('\n'));
        EXPECT_NE(first.find(c.named), std::string::npos) << c.args << ": " << first;
        EXPECT_NE(run.err.find("usage: bodger-thump"), std::string::npos) << c.args;
    }
    EXPECT_FALSE(std::filesystem::exists("Files"));
}

TEST(PrintBoardRun, HelpAndVersionGoToStandardOutput) {
    ScratchDir scratch;
    ProgramResult help = RunProgram("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--print-board MODE SET"), std::string::npos);
    EXPECT_EQ(help.err, "");
    ProgramResult version = RunProgram("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("bodger-thump ", 0), 0u);
}

TEST(PrintBoardRun, HeadlessRunFromAFolderWithoutFilesEndsThroughTheClosingScreen) {
    // No Files/ folder here: the log goes into the launch folder, the missing folders are logged,
    // and the run without a script still ends through the closing screen.
    ScratchDir scratch;
    ProgramResult game = RunProgram("--headless --max-frames 5000");
    EXPECT_EQ(game.exitCode, 0) << game.err;
    std::string log = ReadFileText("Debug.txt");
    EXPECT_NE(log.find("\tMissing folder : Common/\r\n"), std::string::npos);
    EXPECT_TRUE(log.ends_with("Closing Up\r\n\r\nBye!\r\n\r\nPlay again, soon!!\r\n")) << log;
    EXPECT_TRUE(std::filesystem::exists("Setup.ini"));
}
