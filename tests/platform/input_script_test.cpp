#include "platform/input_script.h"

#include <gtest/gtest.h>

#include "platform/input.h"
#include "test_support.h"

namespace {

// A few of the controls code's key names, enough to tell names from codes.
int TestKeyByName(const std::string& name) {
    static const std::pair<const char*, int> names[] = {
        {"Return", 13}, {"Space", 32}, {"Page Up", 33}, {"Left", 37},  {"5", 53},
        {"A", 65},      {"Z", 90},     {"F11", 122},    {"LAlt", 164},
    };
    for (const auto& [known, code] : names) {
        if (name == known) return code;
    }
    return -1;
}

struct ScriptTest : testing::Test {
    void SetUp() override {
        ResetInputState();
        ResetInputScript();
    }
    void TearDown() override {
        ResetInputScript();
        ResetInputState();
        scriptGrabHook = nullptr;
        maxFramesHook = nullptr;
    }
    void Start(const std::string& text) {
        InputScript script;
        std::string error;
        ASSERT_TRUE(ParseInputScript(text, TestKeyByName, script, error)) << error;
        StartInputScript(script);
    }
};

InputScript Parse(const std::string& text) {
    InputScript script;
    std::string error;
    EXPECT_TRUE(ParseInputScript(text, TestKeyByName, script, error)) << text << ": " << error;
    return script;
}

} // namespace

TEST(ScriptReader, BadLinesNameTheirLineNumber) {
    const std::pair<std::string, std::string> cases[] = {
        {"wait 1\n\n# a comment\n  \njump 3\n", "script line 5: unknown command 'jump'"},
        {"Wait 3", "script line 1: unknown command 'Wait'"},
        {"wait", "script line 1: wait needs a number of frames, not ''"},
        {"wait -1", "script line 1: wait needs a number of frames, not '-1'"},
        {"wait 2.5", "script line 1: wait needs a number of frames, not '2.5'"},
        {"wait 3 4", "script line 1: wait needs a number of frames, not '3 4'"},
        {"wait 9999999999", "script line 1: wait needs a number of frames, not '9999999999'"},
        {"down", "script line 1: down needs a key"},
        {"tap \t", "script line 1: tap needs a key"},
        {"up Jump", "script line 1: up unknown key 'Jump'"},
        {"down 0", "script line 1: down key code '0' is not 1-255"},
        {"down 256", "script line 1: down key code '256' is not 1-255"},
        {"down -3", "script line 1: down unknown key '-3'"},
        {"type", "script line 1: type needs text"},
        {"mouse 10", "script line 1: mouse needs X and Y, not '10'"},
        {"mouse 10 y", "script line 1: mouse needs X and Y, not '10 y'"},
        {"mouse 1 2 3", "script line 1: mouse needs X and Y, not '1 2 3'"},
        {"mouse nan 2", "script line 1: mouse needs X and Y, not 'nan 2'"},
        {"click middle", "script line 1: click needs left or right, not 'middle'"},
        {"hold", "script line 1: hold needs left or right, not ''"},
        {"release left right", "script line 1: release needs left or right, not 'left right'"},
        {"joy", "script line 1: joy needs a joystick number 1-4, not ''"},
        {"joy 0 hat 0", "script line 1: joy needs a joystick number 1-4, not '0'"},
        {"joy 5 hat 0", "script line 1: joy needs a joystick number 1-4, not '5'"},
        {"joy 1", "script line 1: joy needs axis, hat or button, not ''"},
        {"joy 1 stick X 1", "script line 1: joy needs axis, hat or button, not 'stick'"},
        {"joy 1 axis X", "script line 1: joy axis needs an axis (X Y Z R U V) and a value"},
        {"joy 1 axis W 0.5", "script line 1: unknown axis 'W' (X Y Z R U V)"},
        {"joy 1 axis X 1.5", "script line 1: axis value must be -1 to 1, not '1.5'"},
        {"joy 1 axis X half", "script line 1: axis value must be -1 to 1, not 'half'"},
        {"joy 1 hat", "script line 1: joy hat needs one value"},
        {"joy 1 hat -0.5", "script line 1: hat value must be -1 or 0 to 1, not '-0.5'"},
        {"joy 1 hat 2", "script line 1: hat value must be -1 or 0 to 1, not '2'"},
        {"joy 1 button 3", "script line 1: joy button needs a button number and down or up"},
        {"joy 1 button 32 down", "script line 1: button must be 0-31, not '32'"},
        {"joy 1 button 3 pressed", "script line 1: joy button needs down or up, not 'pressed'"},
        {"grab", "script line 1: grab needs a file name"},
        {"close now", "script line 1: close takes nothing after it, not 'now'"},
        {"tap A\r\nwait 2\r\nwait x\r\n", "script line 3: wait needs a number of frames, not 'x'"},
        {std::string("tap A\0wait y\n", 13),
         "script line 2: wait needs a number of frames, not 'y'"},
    };
    for (const auto& [text, expected] : cases) {
        InputScript script;
        script.commands.resize(3);
        std::string error;
        EXPECT_FALSE(ParseInputScript(text, TestKeyByName, script, error)) << text;
        EXPECT_EQ(error, expected) << text;
        EXPECT_TRUE(script.commands.empty()) << text;
    }
}

TEST(ScriptReader, ReadsEveryCommand) {
    InputScript script = Parse("# a session\n"
                               "wait 12\n"
                               "  down Return\n"
                               "up 13\n"
                               "tap Page Up\n"
                               "type Hello, World! \n"
                               "mouse 640.5 -3\n"
                               "click right\n"
                               "hold left\n"
                               "release left\n"
                               "joy 2 axis u -0.75\n"
                               "joy 1 hat 0.25\n"
                               "joy 4 button 31 up\n"
                               "grab shots/title.png\n"
                               "close\n");
    ASSERT_EQ(script.commands.size(), 14u);
    const auto& c = script.commands;
    EXPECT_EQ(c[0].op, ScriptOp::Wait);
    EXPECT_EQ(c[0].number, 12);
    EXPECT_EQ(c[0].line, 2);
    EXPECT_EQ(c[1].op, ScriptOp::KeyDown);
    EXPECT_EQ(c[1].number, 13);
    EXPECT_EQ(c[2].op, ScriptOp::KeyUp);
    EXPECT_EQ(c[2].number, 13);
    EXPECT_EQ(c[3].op, ScriptOp::KeyTap);
    EXPECT_EQ(c[3].number, 33) << "a name may hold a blank";
    EXPECT_EQ(c[4].op, ScriptOp::Type);
    EXPECT_EQ(c[4].text, "Hello, World! ") << "the text is kept as it stands";
    EXPECT_EQ(c[5].op, ScriptOp::Mouse);
    EXPECT_FLOAT_EQ(c[5].x, 640.5f);
    EXPECT_FLOAT_EQ(c[5].y, -3);
    EXPECT_EQ(c[6].op, ScriptOp::Click);
    EXPECT_EQ(c[6].number, 2);
    EXPECT_EQ(c[7].op, ScriptOp::Hold);
    EXPECT_EQ(c[7].number, 1);
    EXPECT_EQ(c[8].op, ScriptOp::Release);
    EXPECT_EQ(c[9].op, ScriptOp::JoyAxis);
    EXPECT_EQ(c[9].number, 1) << "joystick 2 is port 1";
    EXPECT_EQ(c[9].index, 4);
    EXPECT_FLOAT_EQ(c[9].x, -0.75f);
    EXPECT_EQ(c[10].op, ScriptOp::JoyHat);
    EXPECT_EQ(c[10].number, 0);
    EXPECT_FLOAT_EQ(c[10].x, 0.25f);
    EXPECT_EQ(c[11].op, ScriptOp::JoyButton);
    EXPECT_EQ(c[11].number, 3);
    EXPECT_EQ(c[11].index, 31);
    EXPECT_FALSE(c[11].down);
    EXPECT_EQ(c[12].op, ScriptOp::Grab);
    EXPECT_EQ(c[12].text, "shots/title.png");
    EXPECT_EQ(c[13].op, ScriptOp::Close);
    EXPECT_EQ(c[13].line, 15);
}

TEST(ScriptReader, KeysAreNamesFirstExceptLongerNumbers) {
    const std::pair<const char*, int> cases[] = {
        {"5", 53},   // a digit that is a key name is that key
        {"8", 8},    // a digit that is no name is a code (Backspace)
        {"13", 13},  // two digits or more: always a code
        {"053", 53}, // leading zeros are still a code
        {"255", 255}, {"F11", 122}, {"LAlt", 164}, {"Space", 32},
    };
    for (const auto& [key, code] : cases) {
        InputScript script = Parse(std::string("down ") + key);
        ASSERT_EQ(script.commands.size(), 1u) << key;
        EXPECT_EQ(script.commands[0].number, code) << key;
    }
    // Without a name lookup only codes are keys.
    InputScript script;
    std::string error;
    EXPECT_TRUE(ParseInputScript("tap 5", nullptr, script, error));
    EXPECT_EQ(script.commands[0].number, 5);
    EXPECT_FALSE(ParseInputScript("tap Return", nullptr, script, error));
}

TEST(ScriptReader, AFileThatCannotBeReadIsAnError) {
    ScratchDir scratch;
    InputScript script;
    std::string error;
    EXPECT_FALSE(LoadInputScript("missing.txt", TestKeyByName, script, error));
    EXPECT_EQ(error, "cannot read script missing.txt");
    WriteFileText("ok.txt", "tap Z\nwait 2\n");
    EXPECT_TRUE(LoadInputScript("ok.txt", TestKeyByName, script, error)) << error;
    EXPECT_EQ(script.commands.size(), 2u);
}

TEST_F(ScriptTest, TapIsHeldForOneFrameAndUpForOneFrame) {
    Start("tap Z\ntap Z\ndown A\n");
    ScriptFrameShown();
    EXPECT_TRUE(KeyDown(90));
    EXPECT_EQ(KeyHit(90), 1);
    ScriptFrameShown();
    EXPECT_FALSE(KeyDown(90));
    EXPECT_FALSE(KeyDown(65)) << "the next command waits for the frame after the release";
    ScriptFrameShown();
    EXPECT_TRUE(KeyDown(90));
    EXPECT_EQ(KeyHit(90), 1);
    ScriptFrameShown();
    EXPECT_FALSE(KeyDown(90));
    ScriptFrameShown();
    EXPECT_TRUE(KeyDown(65));
}

TEST_F(ScriptTest, ClickPressesForOneFrameAndCountsTheHit) {
    AttachVirtualJoysticks(2);
    Start("mouse 100 200\nclick left\njoy 2 button 7 down\njoy 2 axis Y -1\njoy 2 hat 0.75\n"
          "type h\xe9!\nhold right\n");
    ScriptFrameShown();
    EXPECT_FLOAT_EQ(MouseXVirtual(), 100);
    EXPECT_FLOAT_EQ(MouseYVirtual(), 200);
    EXPECT_TRUE(MouseDown(1));
    EXPECT_EQ(MouseHit(1), 1);
    ScriptFrameShown();
    EXPECT_FALSE(MouseDown(1));
    EXPECT_FALSE(JoyButtonDown(1, 7));
    ScriptFrameShown();
    EXPECT_TRUE(JoyButtonDown(1, 7));
    EXPECT_FLOAT_EQ(JoyAxis(1, 1), -1);
    EXPECT_FLOAT_EQ(JoyHat(1), 0.75f);
    EXPECT_FALSE(JoyButtonDown(0, 7));
    EXPECT_EQ(GetChar(), 'h');
    EXPECT_EQ(GetChar(), 0xE9);
    EXPECT_EQ(GetChar(), '!');
    EXPECT_EQ(GetChar(), 0);
    EXPECT_TRUE(MouseDown(2));
}

TEST_F(ScriptTest, WaitHoldsForItsNumberOfSteps) {
    Start("down A\nwait 3\nup A\nwait 0\ndown 66\n");
    int held = 0;
    for (int i = 0; i < 6; i++) {
        ScriptFrameShown();
        held += KeyDown(65);
    }
    EXPECT_EQ(held, 3);
    EXPECT_TRUE(KeyDown(66)) << "wait 0 takes no step";
}

TEST_F(ScriptTest, SleepingWithoutFramesStepsEvery16Ms) {
    Start("wait 2\ndown A\n");
    ScriptSlept(15);
    EXPECT_EQ(ScriptSteps(), 0);
    ScriptFrameShown(); // a frame starts the count of sleep again
    ScriptSlept(15);
    EXPECT_EQ(ScriptSteps(), 1);
    ScriptSlept(1);
    EXPECT_EQ(ScriptSteps(), 2);
    EXPECT_FALSE(KeyDown(65));
    ScriptSlept(8);
    ScriptSlept(8);
    EXPECT_EQ(ScriptSteps(), 3);
    EXPECT_TRUE(KeyDown(65));
    ScriptSlept(16 * 5 + 3);
    EXPECT_EQ(ScriptSteps(), 8);
}

TEST_F(ScriptTest, ARunOutScriptClosesThenTapsSpaceEveryTenSteps) {
    Start("tap A\n");
    ScriptFrameShown();
    ScriptFrameShown();
    EXPECT_FALSE(CloseRequested());
    EXPECT_FALSE(ScriptFinished());
    ScriptFrameShown(); // step 3: nothing left
    EXPECT_TRUE(ScriptFinished());
    EXPECT_TRUE(CloseRequested());
    std::vector<int> spaceSteps;
    for (int step = 4; step <= 40; step++) {
        ScriptFrameShown();
        if (KeyDown(32)) spaceSteps.push_back(step);
        EXPECT_FALSE(CloseRequested()) << "closing is asked once";
    }
    EXPECT_EQ(spaceSteps, (std::vector<int>{13, 23, 33}));
    EXPECT_EQ(KeyHit(32), 3);
}

TEST_F(ScriptTest, WithoutAScriptNothingIsPressedOrClosed) {
    for (int i = 0; i < 30; i++) ScriptFrameShown();
    EXPECT_FALSE(CloseRequested());
    EXPECT_FALSE(KeyDown(32));
    EXPECT_EQ(KeyHit(32), 0);
    EXPECT_EQ(ScriptSteps(), 30);
}

TEST_F(ScriptTest, MaxFramesEndsTheRunOnPassingTheLimit) {
    static int reported = 0;
    reported = 0;
    maxFramesHook = [](int frames) { reported = frames; };
    SetMaxFrames(5);
    Start("wait 100\n");
    for (int i = 0; i < 4; i++) ScriptFrameShown();
    ScriptSlept(16); // sleeps count as frames here too
    EXPECT_EQ(reported, 0);
    ScriptFrameShown();
    EXPECT_EQ(reported, 5);
}

TEST(ScriptDeathTest, MaxFramesExitsWithCode3) {
    ResetInputScript();
    SetMaxFrames(2);
    ScriptFrameShown();
    ScriptFrameShown();
    EXPECT_EXIT(ScriptFrameShown(), testing::ExitedWithCode(3), "stopped after 2 frames");
}

TEST_F(ScriptTest, GrabGoesToTheDisplaysHookOrSaysThereIsNone) {
    static std::vector<std::string> grabbed;
    grabbed.clear();
    Start("grab first.png\ngrab second frame.png\ntap A\ngrab third.png\n");
    testing::internal::CaptureStderr();
    ScriptFrameShown();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "script line 1: no display to grab first.png from\n"
              "script line 2: no display to grab second frame.png from\n");
    scriptGrabHook = [](const std::string& file) { grabbed.push_back(file); };
    ScriptFrameShown();
    ScriptFrameShown();
    EXPECT_EQ(grabbed, (std::vector<std::string>{"third.png"}));
}

TEST(VirtualJoysticks, AttachUpToFourWithEveryInput) {
    ResetInputState();
    AttachVirtualJoysticks(6);
    EXPECT_EQ(JoyCount(), 4);
    EXPECT_EQ(JoyName(0), "Virtual Joystick 1");
    EXPECT_EQ(JoyName(3), "Virtual Joystick 4");
    EXPECT_EQ(JoyButtonMask(2), -1) << "32 buttons";
    EXPECT_FLOAT_EQ(JoyHat(1), -1);
    SetJoyButton(3, 31, true);
    EXPECT_TRUE(JoyButtonDown(3, 31));
    ResetInputState();
    AttachVirtualJoysticks(0);
    EXPECT_EQ(JoyCount(), 0);
}
