#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <numeric>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/input_script.h"
#include "platform/platform.h"
#include "platform/sound_fixtures.h"
#include "test_support.h"

namespace {

struct MemoryAudioTest : testing::Test {
    void SetUp() override {
        ResetMixer();
        backend = Backend::Headless;
        ActivateAudioDriver("Memory");
        StartMemoryAudio();
    }
    void TearDown() override {
        simulatedSleepHook = nullptr;
        ResetMixer();
        ResetInputScript();
        backend = Backend::Sdl;
    }
};

size_t Frames() {
    return MixedAudio().size() / 2;
}

uint32_t Little(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; i++) value |= uint32_t(uint8_t(bytes[at + i])) << (8 * i);
    return value;
}

} // namespace

TEST_F(MemoryAudioTest, EverySecondIsExactlyMixRateFramesHoweverItIsSplit) {
    const std::vector<std::vector<int>> splits = {
        {1000},          std::vector<int>(1000, 1), std::vector<int>(62, 16),
        {333, 333, 334}, {7, 13, 999, 1, 980}, // 2000 ms
    };
    for (const std::vector<int>& split : splits) {
        StartMemoryAudio();
        for (int ms : split) AdvanceMemoryAudio(ms);
        const int total = std::accumulate(split.begin(), split.end(), 0);
        EXPECT_EQ(Frames(), size_t(total) * MixRate / 1000) << total << " ms in " << split.size();
    }
    StartMemoryAudio();
    AdvanceMemoryAudio(1);
    EXPECT_EQ(Frames(), 44u);
    AdvanceMemoryAudio(1);
    EXPECT_EQ(Frames(), 88u);
    AdvanceMemoryAudio(8);
    EXPECT_EQ(Frames(), 441u);
    AdvanceMemoryAudio(0);
    AdvanceMemoryAudio(-50);
    EXPECT_EQ(Frames(), 441u);
}

TEST_F(MemoryAudioTest, KeepsWhatWasMixedUnlessTheDriverIsSilent) {
    int channel = NewChannel();
    PrepareChannel(channel, MakeSound(441, 0.5f, -0.5f));
    StartChannel(channel);
    AdvanceMemoryAudio(20); // 882 frames: the sound, then silence
    ASSERT_EQ(Frames(), 882u);
    EXPECT_EQ(MixedAudio()[0], 16384);
    EXPECT_EQ(MixedAudio()[1], -16384);
    EXPECT_EQ(MixedAudio()[2 * 440], 16384);
    EXPECT_EQ(MixedAudio()[2 * 441], 0);

    ASSERT_TRUE(ActivateAudioDriver("silent"));
    EXPECT_EQ(ActiveAudioDriver(), "Silent");
    StartMemoryAudio();
    PrepareChannel(channel, MakeSound(441, 0.5f, -0.5f));
    StartChannel(channel);
    AdvanceMemoryAudio(5);
    EXPECT_EQ(Frames(), 0u);
    EXPECT_TRUE(ChannelPlaying(channel));
    AdvanceMemoryAudio(5);
    EXPECT_FALSE(ChannelPlaying(channel)) << "the silent driver still plays the time through";
}

TEST_F(MemoryAudioTest, WritesA16BitStereoWavOfWhatWasMixed) {
    ScratchDir scratch;
    int channel = NewChannel();
    PrepareChannel(channel, MakeSound(44100, 0.25f, 0.25f));
    StartChannel(channel);
    AdvanceMemoryAudio(250);
    ASSERT_TRUE(WriteMixedAudioWav("out.wav"));
    const std::string bytes = ReadFileText("out.wav");
    const uint32_t frames = MixRate / 4;
    ASSERT_EQ(bytes.size(), 44 + 4 * frames);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(Little(bytes, 4, 4), 36 + 4 * frames);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Little(bytes, 16, 4), 16u);
    EXPECT_EQ(Little(bytes, 20, 2), 1u); // PCM
    EXPECT_EQ(Little(bytes, 22, 2), 2u);
    EXPECT_EQ(Little(bytes, 24, 4), uint32_t(MixRate));
    EXPECT_EQ(Little(bytes, 28, 4), uint32_t(MixRate) * 4);
    EXPECT_EQ(Little(bytes, 32, 2), 4u);
    EXPECT_EQ(Little(bytes, 34, 2), 16u);
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(Little(bytes, 40, 4), 4 * frames);
    EXPECT_EQ(Little(bytes, 44, 2), 8192u);
    // Our own loader reads it back.
    SoundRef back = LoadSound("out.wav");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->frames(), int(frames));
    EXPECT_NEAR(back->samples[100], 0.25f, 0.001f);
    EXPECT_FALSE(WriteMixedAudioWav("no-such-folder/out.wav"));
}

TEST_F(MemoryAudioTest, HeadlessStartRunsSoundAndScriptOnTheSimulatedClock) {
    DateTime start;
    ASSERT_TRUE(ParseDateTime("2020-02-29 23:59:30", start));
    std::string error;
    ASSERT_TRUE(InitPlatform(Backend::Headless, start, error)) << error;
    EXPECT_TRUE(ClockIsSimulated());
    EXPECT_EQ(CurrentDateText(), "29 Feb 2020");
    InputScript script;
    ASSERT_TRUE(ParseInputScript("wait 3\ndown 65\n", nullptr, script, error)) << error;
    StartInputScript(script);
    const int before = MilliSecs();
    for (int i = 0; i < 1000; i++) Delay(1);
    EXPECT_EQ(MilliSecs(), before + 1000);
    EXPECT_EQ(Frames(), size_t(MixRate));
    EXPECT_EQ(ScriptSteps(), 62) << "one step per 16 ms slept";
    EXPECT_TRUE(KeyDown(65));
    Delay(30000);
    EXPECT_EQ(CurrentDateText(), "01 Mar 2020");
    EXPECT_EQ(Frames(), size_t(MixRate) * 31);
}

TEST(AudioDrivers, HeadlessOffersMemoryAndSilentInAnyCase) {
    backend = Backend::Headless;
    EXPECT_EQ(AudioDriverNames(), (std::vector<std::string>{"Memory", "Silent"}));
    EXPECT_TRUE(AudioDriverExists("MEMORY"));
    EXPECT_TRUE(AudioDriverExists("silent"));
    EXPECT_FALSE(AudioDriverExists("Silen"));
    EXPECT_FALSE(AudioDriverExists(""));
    EXPECT_FALSE(ActivateAudioDriver("pulseaudio"));
    EXPECT_TRUE(ActivateAudioDriver("sIlEnT"));
    EXPECT_EQ(ActiveAudioDriver(), "Silent");
    EXPECT_FALSE(EnableOpenAL());
    backend = Backend::Sdl;
}

TEST(AudioDrivers, SdlOffersSdlsCompiledInDrivers) {
    backend = Backend::Sdl;
    std::vector<std::string> names = AudioDriverNames();
    ASSERT_FALSE(names.empty());
    // SDL always builds in its dummy driver.
    EXPECT_NE(std::find(names.begin(), names.end(), "dummy"), names.end());
    for (const std::string& name : names) {
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(AudioDriverExists(upper)) << name;
    }
    EXPECT_TRUE(ActivateAudioDriver("DUMMY"));
    EXPECT_EQ(ActiveAudioDriver(), "dummy");
    EXPECT_FALSE(ActivateAudioDriver("Memory"));
    EXPECT_EQ(ActiveAudioDriver(), "dummy");
}
