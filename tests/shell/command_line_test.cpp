#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace {
bool Parse(const std::vector<std::string>& args, CommandLine& options, std::string& error) {
    error.clear();
    return ParseCommandLine(args, options, error);
}
} // namespace

TEST(CommandLine, ReadsEveryOption) {
    CommandLine o;
    std::string error;
    ASSERT_TRUE(Parse({}, o, error));
    EXPECT_FALSE(o.headless || o.printBoard || o.help || o.version || o.dateGiven);
    ASSERT_TRUE(Parse({"--headless", "--script", "a b.txt", "--max-frames", "600", "--date",
                       "2012-02-29 23:59:58", "--audio-out", "out.wav", "--joysticks", "4"},
                      o, error))
        << error;
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.scriptFile, "a b.txt");
    EXPECT_EQ(o.maxFrames, 600);
    EXPECT_TRUE(o.dateGiven);
    EXPECT_EQ(o.date.year, 2012);
    EXPECT_EQ(o.date.month, 2);
    EXPECT_EQ(o.date.day, 29);
    EXPECT_EQ(o.date.second, 58);
    EXPECT_EQ(o.audioOutFile, "out.wav");
    EXPECT_EQ(o.joysticks, 4);
    ASSERT_TRUE(Parse({"--print-board", "4", "0"}, o, error));
    EXPECT_TRUE(o.printBoard);
    EXPECT_EQ(o.boardMode, 4);
    EXPECT_EQ(o.boardSet, 0);
    EXPECT_FALSE(o.headless); // a fresh record every time
    ASSERT_TRUE(Parse({"--help"}, o, error));
    EXPECT_TRUE(o.help);
    ASSERT_TRUE(Parse({"--version"}, o, error));
    EXPECT_TRUE(o.version);
    ASSERT_TRUE(Parse({"--max-frames", "5"}, o, error)); // a hang guard for a window too
    EXPECT_EQ(o.maxFrames, 5);
}

TEST(CommandLine, RejectsBadArgumentsNamingThem) {
    struct Case {
        std::vector<std::string> args;
        const char* named; // must appear in the message
    };
    const Case cases[] = {
        {{"--fast"}, "--fast"},
        {{"stray"}, "stray"},
        {{"--print-board"}, "--print-board"},
        {{"--print-board", "1"}, "SET"},
        {{"--print-board", "5", "0"}, "MODE '5'"},
        {{"--print-board", "-1", "0"}, "MODE '-1'"},
        {{"--print-board", "1", "x"}, "SET 'x'"},
        {{"--print-board", "1", "2x"}, "SET '2x'"},
        {{"--print-board", "1", ""}, "SET ''"},
        {{"--print-board", " 1", "2"}, "MODE ' 1'"},
        {{"--headless", "--script"}, "--script"},
        {{"--headless", "--script", ""}, "--script"},
        {{"--headless", "--max-frames", "0"}, "--max-frames"},
        {{"--headless", "--max-frames", "ten"}, "'ten'"},
        {{"--headless", "--max-frames", "99999999999"}, "--max-frames"},
        {{"--headless", "--date", "2012-13-01 00:00:00"}, "--date"},
        {{"--headless", "--date", "yesterday"}, "'yesterday'"},
        {{"--headless", "--date"}, "--date"},
        {{"--headless", "--audio-out"}, "--audio-out"},
        {{"--headless", "--joysticks", "5"}, "--joysticks"},
        {{"--headless", "--joysticks", "-1"}, "'-1'"},
        {{"--script", "a.txt"}, "--script needs --headless"},
        {{"--joysticks", "2"}, "--joysticks needs --headless"},
        {{"--date", "2012-01-01 00:00:00"}, "--date needs --headless"},
        {{"--audio-out", "a.wav"}, "--audio-out needs --headless"},
    };
    for (const Case& c : cases) {
        CommandLine o;
        std::string error;
        std::string shown;
        for (const std::string& a : c.args) shown += "[" + a + "]";
        EXPECT_FALSE(Parse(c.args, o, error)) << shown;
        EXPECT_NE(error.find(c.named), std::string::npos) << shown << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << shown;
    }
}

TEST(CommandLine, UsageNamesEveryOption) {
    std::string usage = UsageText();
    for (const char* option :
         {"--headless", "--script FILE", "--max-frames N", "--date", "--audio-out FILE",
          "--joysticks N", "--print-board MODE SET", "--help", "--version"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    EXPECT_EQ(usage.back(), '\n');
    EXPECT_EQ(VersionText().rfind("bodger-thump ", 0), 0u);
}
