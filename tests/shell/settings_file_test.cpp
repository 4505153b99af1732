#include "shell/settings_file.h"

#include "controls/control_codes.h"
#include "platform/files.h"
#include "platform/unprivileged.h"
#include "shell/debug_log.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <map>
#include <tuple>

namespace fs = std::filesystem;

namespace {

auto Fields(const Settings& s) {
    return std::tie(s.fullscreen, s.widescreen, s.renderer, s.modeIndex, s.width, s.height,
                    s.slowSystem, s.masterVolume, s.soundVolume, s.musicVolume, s.audioDriver);
}

// The state start-up has when it reads the file: defaults everywhere and a known driver list.
void StartUpState() {
    settings = Settings{};
    SetControlDefaults();
    audioDriverList = {"DirectSound", "FreeAudio", "OpenAL Soft"};
    audioDriverLinePresent = false;
    SetSettingsFilePath("");
}

// Reads bytes as a settings file with a fresh debug log, and gives back what was logged.
std::string ReadLogged(const std::string& bytes) {
    EXPECT_TRUE(OpenDebugLog("Debug.txt"));
    ReadSettingsText(bytes);
    CloseDebugLog();
    return ReadFileText("Debug.txt");
}

} // namespace

TEST(SettingsFile, KeyTableRows) {
    ScratchDir dir;
    struct Case {
        const char* what;
        std::string text;
        std::function<void(Settings&)> expect;
        std::map<int, int> entries; // ControlTable entries that change
        std::string log;
        bool driverLine;
    };
    auto same = [](Settings&) {};
    const Case cases[] = {
        {"fullscreen on, any case",
         "fullscreen = on",
         [](Settings& s) { s.fullscreen = 1; },
         {},
         "\tSetting to Fullscreen\r\n",
         false},
        {"fullscreen true",
         "FULLSCREEN=TRUE",
         [](Settings& s) { s.fullscreen = 1; },
         {},
         "\tSetting to Fullscreen\r\n",
         false},
        {"False never switches it off",
         "Fullscreen = True\r\nFullscreen = False\r\n",
         [](Settings& s) { s.fullscreen = 1; },
         {},
         "\tSetting to Fullscreen\r\n",
         false},
        {"other values change nothing", "Fullscreen = yes\nFullscreen = 1", same, {}, "", false},
        {"DX9",
         "GFX Engine = DX9",
         [](Settings& s) { s.renderer = 1; },
         {},
         "\tDirectX 9 Mode\r\n",
         false},
        {"DX7 with the short key",
         "gfxengine=dx7",
         [](Settings& s) { s.renderer = 2; },
         {},
         "\tDirectX 7 Mode\r\n",
         false},
        {"OpenGL changes nothing",
         "GFX Engine = DX9\nGFX Engine = OpenGL",
         [](Settings& s) { s.renderer = 1; },
         {},
         "\tDirectX 9 Mode\r\n",
         false},
        {"width and height",
         "Width=1024\nHeight=768",
         [](Settings& s) { s.width = 1024, s.height = 768; },
         {},
         "",
         false},
        {"a note after the number",
         "Width=800 ; note",
         [](Settings& s) { s.width = 800; },
         {},
         "",
         false},
        {"a negative number", "Width=-640", [](Settings& s) { s.width = 640; }, {}, "", false},
        {"a key alone is its own value", "Width", [](Settings& s) { s.width = 0; }, {}, "", false},
        {"the value stops at the second =",
         "Width=1024=768",
         [](Settings& s) { s.width = 1024; },
         {},
         "",
         false},
        {"padding around key and value",
         "  Height \t=  480  \r\n",
         [](Settings& s) { s.height = 480; },
         {},
         "",
         false},
        {"ESS=0 still switches slow mode on",
         "ESS=0",
         [](Settings& s) { s.slowSystem = 1; },
         {},
         "\tAssuming Emergency Slow System values.\r\n",
         false},
        {"volumes",
         "Master = 80\nSound=0\nMusic = 100",
         [](Settings& s) { s.masterVolume = 80, s.soundVolume = 0, s.musicVolume = 100; },
         {},
         "",
         false},
        {"Key sets an entry", "Key=0,65", same, {{0, 65}}, "", false},
        {"Key without a comma", "Key=5", same, {{5, 5}}, "", false},
        {"Key with spaces", "Key = 20, 320", same, {{20, 320}}, "", false},
        {"Key 99 is the last stored", "Key=99,320", same, {{99, 320}}, "", false},
        {"Key 100 is ignored", "Key=100,65", same, {}, "", false},
        {"Key index through the absolute value", "Key=-3,65", same, {{3, 65}}, "", false},
        {"Key can clear a default", "Key=8,0", same, {{8, 0}}, "", false},
        {"Key with a huge index", "Key=99999999999,65", same, {}, "", false},
        {"headers and comments are skipped",
         "[Graphics]\n; Width=1\n;Width=2\n",
         same,
         {},
         "",
         false},
        {"sections are not tracked; the last line wins",
         "Width=640\n[Audio]\nWidth=320",
         [](Settings& s) { s.width = 320; },
         {},
         "",
         false},
        {"a known driver",
         "AudioDriver = FreeAudio",
         [](Settings& s) { s.audioDriver = 1; },
         {},
         "",
         true},
        {"driver names match case and all", "AudioDriver = freeaudio", same, {}, "", true},
        {"an empty driver line", "AudioDriver =", same, {}, "", true},
        {"CR is dropped wherever it stands",
         "Wid\rth=7\r00",
         [](Settings& s) { s.width = 700; },
         {},
         "",
         false},
        {"a zero byte ends a line",
         std::string("Width=700\0Height=500", 20),
         [](Settings& s) { s.width = 700, s.height = 500; },
         {},
         "",
         false},
        {"an empty file", "", same, {}, "", false},
        {"unknown keys", "Depth=32\nKeys=1,2\nWIDTHS=5", same, {}, "", false},
    };
    for (const Case& c : cases) {
        StartUpState();
        std::string log = ReadLogged(c.text);
        Settings expected{};
        c.expect(expected);
        std::array<int32_t, ControlTableSize> table = ControlTable;
        SetControlDefaults();
        std::array<int32_t, ControlTableSize> expectedTable = ControlTable;
        for (auto [entry, code] : c.entries) expectedTable[entry] = code;
        EXPECT_EQ(Fields(settings), Fields(expected)) << c.what;
        EXPECT_EQ(table, expectedTable) << c.what;
        EXPECT_EQ(log, c.log) << c.what;
        EXPECT_EQ(audioDriverLinePresent, c.driverLine) << c.what;
    }
}

TEST(SettingsFile, NumberSyntax) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"", 0},
        {"800", 800},
        {"007", 7},
        {"  42", 42},
        {"+7", 7},
        {"-7", 7},
        {"$FF", 255},
        {"$ff", 255},
        {"-$10", 16},
        {"$1G", 1},
        {"%101", 5},
        {"%102", 2},
        {"-%11", 3},
        {"$", 0},
        {"%", 0},
        {"12abc", 12},
        {"3.9", 3},
        {"1e5", 1},
        {"abc", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"5 6", 5},
        {"2147483647", INT_MAX},
        // Beyond the 32-bit range the magnitude is clamped, never wrapped.
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MAX},
        {"99999999999999999999999999", INT_MAX},
        {"$7FFFFFFF", INT_MAX},
        {"$FFFFFFFF", INT_MAX},
        {"$100000001", INT_MAX},
        {"%1111111111111111111111111111111111111111", INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsNumber(c.text), c.value) << "\"" << c.text << "\"";
}

TEST(SettingsFile, ReadsFromTheWorkingFolderAndRecordsThePath) {
    ScratchDir dir;
    StartUpState();
    WriteFileText("Setup.ini", "Width=1280\r\nHeight=1024\r\n");
    ASSERT_TRUE(OpenDebugLog("Debug.txt"));
    ReadSettingsFile();
    CloseDebugLog();
    EXPECT_EQ(settings.width, 1280);
    EXPECT_EQ(settings.height, 1024);
    EXPECT_EQ(ReadFileText("Debug.txt"), "\tReading Setup File\r\n");
    EXPECT_EQ(fs::path(settingsFilePath), fs::current_path() / "Setup.ini");
}

TEST(SettingsFile, MissingFileOrAFolderLeavesTheDefaults) {
    ScratchDir dir;
    StartUpState();
    ASSERT_TRUE(OpenDebugLog("Debug.txt"));
    ReadSettingsFile();
    EXPECT_EQ(Fields(settings), Fields(Settings{}));
    EXPECT_FALSE(audioDriverLinePresent);
    // The first save creates the file where it was looked for.
    EXPECT_EQ(fs::path(settingsFilePath), fs::current_path() / "Setup.ini");

    ASSERT_TRUE(MakeDir("Setup.ini"));
    ReadSettingsFile();
    CloseDebugLog();
    EXPECT_EQ(Fields(settings), Fields(Settings{}));
    EXPECT_EQ(ReadFileText("Debug.txt"),
              "\tReading Setup File\r\n\tSetup.ini could not be read\r\n");
}

TEST(SettingsFile, LongLinesAndOddBytes) {
    StartUpState();
    std::string text = "Width=" + std::string(1 << 20, '9') + "\n";
    text += std::string(100000, '\0');
    text += "Key=" + std::string(300000, '=') + "\n";
    text += "\xff\xfe=\x80\nHeight=" + std::string(5000, ' ') + "$7b\n";
    ReadSettingsText(text);
    EXPECT_EQ(settings.width, INT_MAX);
    EXPECT_EQ(settings.height, 123);
}

TEST(SettingsFile, WriterMatchesTheGoldenFile) {
    ScratchDir dir;
    StartUpState();
    settings.fullscreen = 1;
    settings.renderer = 1;
    settings.width = 1280;
    settings.height = 960;
    settings.slowSystem = 1;
    settings.masterVolume = 80;
    settings.soundVolume = 0;
    settings.musicVolume = 35;
    settings.audioDriver = 1;
    settings.widescreen = 1; // not stored
    settings.modeIndex = 7;  // not stored
    ControlTable[8] = 0;     // cleared entries are left out
    ControlTable[20] = 320;
    ControlTable[33] = 349;
    ControlTable[45] = -4; // so are negative ones
    ControlTable[99] = 255;
    ControlTable[100] = 5; // never stored
    SetSettingsFilePath((dir.path / "Setup.ini").string());
    ASSERT_TRUE(WriteSettingsFile());
    EXPECT_EQ(ReadFileText("Setup.ini"), ReadFileText(BODGER_TEST_DATA "/Setup.golden.ini"));
}

TEST(SettingsFile, WriterLinesForEachValue) {
    struct Case {
        std::function<void()> set;
        std::vector<std::string> present, absent;
    };
    const std::string ess =
        "ESS=1 ; This is a slow system, and things must run a wee bit slower for it.  Awww..\r\n";
    const Case cases[] = {
        {[] { settings.fullscreen = 0; }, {"\r\nFullscreen = False\r\n"}, {"Fullscreen = True"}},
        {[] { settings.fullscreen = 2; }, {}, {"Fullscreen"}},
        {[] { settings.renderer = 0; }, {"\r\nGFX Engine = OpenGL\r\n"}, {"DX"}},
        {[] { settings.renderer = 2; }, {"\r\nGFX Engine = DX7\r\n"}, {"OpenGL", "DX9"}},
        {[] { settings.renderer = 3; }, {}, {"GFX Engine"}},
        {[] { settings.slowSystem = 0; }, {}, {"ESS"}},
        {[] { settings.slowSystem = 2; }, {}, {"ESS"}},
        {[] { settings.slowSystem = 1; }, {"\r\nHeight=600\r\n" + ess + "\r\n[Audio]"}, {}},
        {[] { settings.width = -5; }, {"\r\nWidth=-5\r\n"}, {}},
        {[] { settings.audioDriver = 2; }, {"\r\nAudioDriver = OpenAL Soft\r\n"}, {}},
        {[] { settings.audioDriver = 3; }, {"\r\nAudioDriver = \r\n"}, {}},
        {[] { settings.audioDriver = -1; }, {"\r\nAudioDriver = \r\n"}, {}},
        {[] { audioDriverList.clear(); },
         {"\r\nMusic = 50\r\nAudioDriver = \r\n\r\n[Controls]\r\n"},
         {"; AudioDriver"}},
        {[] { ControlTable.fill(0); }, {"\r\n[Controls]\r\n"}, {"Key="}},
    };
    for (const Case& c : cases) {
        StartUpState();
        c.set();
        std::string text = SettingsFileText();
        for (const std::string& s : c.present) EXPECT_NE(text.find(s), std::string::npos) << s;
        for (const std::string& s : c.absent) EXPECT_EQ(text.find(s), std::string::npos) << s;
        EXPECT_EQ(text.substr(0, 12), "[Graphics]\r\n");
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    }
}

TEST(SettingsFile, WriteThenReadGivesTheSameStoredFields) {
    ScratchDir dir;
    struct Case {
        Settings stored;
        std::map<int, int> entries;
    };
    auto make = [](int fullscreen, int renderer, int width, int height, int slow, int master,
                   int sound, int music, int driver) {
        Settings s;
        s.fullscreen = fullscreen, s.renderer = renderer, s.width = width, s.height = height;
        s.slowSystem = slow, s.masterVolume = master, s.soundVolume = sound, s.musicVolume = music;
        s.audioDriver = driver;
        return s;
    };
    const Case cases[] = {
        {make(0, 0, 800, 600, 0, 50, 50, 50, 0), {}},
        {make(1, 2, 1920, 1080, 1, 100, 0, 7, 2), {{0, 320}, {1, 2147483647}, {79, 499}, {99, 9}}},
        {make(0, 1, 0, 0, 0, 0, 0, 0, 1), {{10, 255}, {50, 1000}}},
    };
    for (const Case& c : cases) {
        StartUpState();
        settings = c.stored;
        for (auto [entry, code] : c.entries) ControlTable[entry] = code;
        std::array<int32_t, ControlTableSize> table = ControlTable;
        SetSettingsFilePath((dir.path / "Setup.ini").string());
        ASSERT_TRUE(WriteSettingsFile());

        StartUpState();
        ReadSettingsFile();
        EXPECT_EQ(Fields(settings), Fields(c.stored));
        EXPECT_EQ(ControlTable, table);
        EXPECT_TRUE(audioDriverLinePresent);
    }
}

TEST(SettingsFile, SavesBesideTheDataFolderWithoutMovingTheWorkingFolder) {
    ScratchDir dir;
    StartUpState();
    ASSERT_TRUE(MakeDir("Files"));
    ASSERT_TRUE(ChangeDir("Files"));
    ReadSettingsFile();
    std::string files = CurrentDir();

    // The usual case: the working folder is the data folder when settings are saved.
    ASSERT_TRUE(MakeDir("279"));
    ASSERT_TRUE(ChangeDir("279"));
    std::string data = CurrentDir();
    settings.width = 1024;
    ASSERT_TRUE(WriteSettingsFile());
    EXPECT_EQ(CurrentDir(), data);
    EXPECT_NE(ReadFileText(files + "/Setup.ini").find("Width=1024\r\n"), std::string::npos);
    EXPECT_FALSE(FileExists("Setup.ini"));

    // Without a data folder start-up stays in Files/; the file still lands there, and nowhere
    // else.
    ASSERT_TRUE(ChangeDir(".."));
    settings.width = 640;
    ASSERT_TRUE(WriteSettingsFile());
    EXPECT_EQ(CurrentDir(), files);
    EXPECT_NE(ReadFileText("Setup.ini").find("Width=640\r\n"), std::string::npos);
    EXPECT_FALSE(FileExists("../Setup.ini"));
}

TEST(SettingsFile, WithoutARecordedPathSavesOneFolderUp) {
    ScratchDir dir;
    StartUpState();
    ASSERT_TRUE(MakeDir("279"));
    ASSERT_TRUE(ChangeDir("279"));
    ASSERT_TRUE(WriteSettingsFile());
    EXPECT_EQ(CurrentDir(), (dir.path / "279").string());
    EXPECT_TRUE(FileExists("../Setup.ini"));
}

TEST(SettingsFile, FailedSaveKeepsTheOldFileAndSaysWhy) {
    ScratchDir dir;
    StartUpState();
    fs::permissions(dir.path, fs::perms::all); // the unprivileged child must reach it
    ASSERT_TRUE(MakeDir("Files"));
    const std::string old = "[Graphics]\r\nWidth=1024\r\n";
    WriteFileText("Files/Setup.ini", old);
    ASSERT_TRUE(ChangeDir("Files"));
    ReadSettingsFile();
    ASSERT_TRUE(ChangeDir(".."));
    ASSERT_TRUE(OpenDebugLog("Debug.txt"));
    fs::permissions("Files", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read |
                                 fs::perms::others_exec);
    settings.width = 640;
    EXPECT_TRUE(RunUnprivileged([] { return !WriteSettingsFile(); }));
    CloseDebugLog();
    EXPECT_EQ(ReadFileText("Files/Setup.ini"), old);
    const std::string prefix = "\tSetup.ini could not be saved: ";
    std::string log = ReadFileText("Debug.txt");
    ASSERT_EQ(log.substr(0, prefix.size()), prefix);
    EXPECT_GT(log.size(), prefix.size() + 2); // a reason follows
    EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
    EXPECT_EQ(log.find("\r\n"), log.size() - 2); // one line
    // Nothing was left behind in the folder either.
    EXPECT_EQ(std::distance(fs::directory_iterator("Files"), fs::directory_iterator{}), 1);
}

TEST(ChooseAudioDriver, AutomaticChoiceByPrefix) {
    ScratchDir dir;
    struct Case {
        std::vector<std::string> drivers;
        int chosen;
    };
    const Case cases[] = {
        {{}, 0},
        {{"Primary", "Other"}, 0},
        {{"Primary", "FreeAudio", "OpenAL Soft"}, 1},
        {{"Primary", "OpenAL", "FreeAudio"}, 1},
        {{"Primary", "DirectSound", "OpenAL", "DirectSound 2", "Free"}, 3},
        {{"Primary", "OpenAL", "directx"}, 2},
        {{"x", "openal-soft"}, 1},
        {{"x", "y", "free"}, 2},
        {{"OpenA", "Fre", "Direc", "OPENAL"}, 3},
        {{"xDirect", "xOpenAL", "xFree"}, 0},
    };
    for (const Case& c : cases) {
        StartUpState();
        audioDriverList = c.drivers;
        ASSERT_TRUE(OpenDebugLog("Debug.txt"));
        ChooseAudioDriver();
        CloseDebugLog();
        EXPECT_EQ(settings.audioDriver, c.chosen) << ::testing::PrintToString(c.drivers);
        EXPECT_EQ(ReadFileText("Debug.txt"), "Setting Audio Driver\r\nSet Audio Driver\r\n\r\n");
    }
}

TEST(ChooseAudioDriver, ADriverLineTurnsTheAutomaticChoiceOff) {
    struct Case {
        const char* file;
        std::vector<std::string> drivers;
        int chosen;
    };
    const Case cases[] = {
        {"AudioDriver = Primary", {"Primary", "DirectSound"}, 0},
        {"AudioDriver = FreeAudio", {"DirectSound", "FreeAudio"}, 1},
        // A name in another letter case matches nothing, and no automatic choice follows.
        {"AudioDriver = directsound", {"Primary", "DirectSound"}, 0},
        {"AudioDriver = Gone", {"Primary", "OpenAL"}, 0},
        {"Width=800", {"Primary", "DirectSound"}, 1},
    };
    for (const Case& c : cases) {
        StartUpState();
        audioDriverList = c.drivers;
        ReadSettingsText(c.file);
        ChooseAudioDriver();
        EXPECT_EQ(settings.audioDriver, c.chosen) << c.file;
    }
    // An index outside the list (edited by hand elsewhere) is passed over safely.
    StartUpState();
    audioDriverList = {"Primary"};
    audioDriverLinePresent = true;
    settings.audioDriver = 5;
    ChooseAudioDriver();
    EXPECT_EQ(settings.audioDriver, 5);
}
