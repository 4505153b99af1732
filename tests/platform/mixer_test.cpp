#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/audio.h"
#include "platform/sound_fixtures.h"

namespace {

struct MixerTest : testing::Test {
    void SetUp() override { ResetMixer(); }
    void TearDown() override { ResetMixer(); }
};

std::vector<float> Mix(int frames) {
    std::vector<float> out(2 * static_cast<size_t>(frames), 99.0f);
    MixAudio(out.data(), frames);
    return out;
}

int Play(const SoundRef& sound, float volume = 1, float pan = 0, float rate = 1) {
    int channel = NewChannel();
    PrepareChannel(channel, sound);
    SetChannelVolume(channel, volume);
    SetChannelPan(channel, pan);
    SetChannelRate(channel, rate);
    StartChannel(channel);
    return channel;
}

// Frames from the start until the first silent frame.
int SoundingFrames(const std::vector<float>& mixed) {
    size_t i = 0;
    while (2 * i < mixed.size() && (mixed[2 * i] != 0 || mixed[2 * i + 1] != 0)) i++;
    return static_cast<int>(i);
}

} // namespace

TEST_F(MixerTest, VolumeAndLinearPanScaleEachSide) {
    struct Case {
        float volume, pan, left, right;
    };
    const Case cases[] = {
        {1, 0, 0.8f, 0.4f},      {0.5f, 0, 0.4f, 0.2f},     {0, 0, 0, 0},
        {1, -1, 0.8f, 0},        {1, 1, 0, 0.4f},           {1, 0.5f, 0.4f, 0.4f},
        {1, -0.25f, 0.8f, 0.3f}, {0.5f, 0.75f, 0.1f, 0.2f}, {2, -3, 0.8f, 0}, // clamped to 1, -1
    };
    SoundRef sound = MakeSound(100, 0.8f, 0.4f);
    for (const Case& c : cases) {
        ResetMixer();
        Play(sound, c.volume, c.pan);
        std::vector<float> mixed = Mix(10);
        EXPECT_FLOAT_EQ(mixed[10], c.left) << "volume " << c.volume << " pan " << c.pan;
        EXPECT_FLOAT_EQ(mixed[11], c.right) << "volume " << c.volume << " pan " << c.pan;
    }
}

TEST_F(MixerTest, RateChangesLengthAndInterpolatesBetweenFrames) {
    struct Case {
        float rate;
        int frames;
    };
    SoundRef sound = MakeSound(1000, 0.5f, 0.5f);
    for (const Case& c : {Case{1, 1000}, Case{2, 500}, Case{0.5f, 2000}, Case{4, 250}}) {
        ResetMixer();
        int channel = Play(sound, 1, 0, c.rate);
        std::vector<float> mixed = Mix(3000);
        EXPECT_EQ(SoundingFrames(mixed), c.frames) << "rate " << c.rate;
        EXPECT_FALSE(ChannelPlaying(channel)) << "rate " << c.rate;
    }
    // A ramp at half speed passes through the points between its frames.
    ResetMixer();
    auto ramp = std::make_shared<Sound>();
    for (int i = 0; i < 8; i++) ramp->samples.insert(ramp->samples.end(), {0.1f * i, -0.1f * i});
    Play(ramp, 1, 0, 0.5f);
    std::vector<float> mixed = Mix(8);
    for (int i = 0; i < 8; i++) {
        EXPECT_NEAR(mixed[2 * i], 0.05f * i, 1e-6) << "frame " << i;
        EXPECT_NEAR(mixed[2 * i + 1], -0.05f * i, 1e-6) << "frame " << i;
    }
}

TEST_F(MixerTest, ChannelsAddAndTheMixIsClipped) {
    SoundRef loud = MakeSound(100, 0.6f, -0.6f);
    SoundRef quiet = MakeSound(100, 0.1f, 0.2f);
    Play(loud);
    Play(quiet);
    std::vector<float> mixed = Mix(4);
    EXPECT_FLOAT_EQ(mixed[0], 0.7f);
    EXPECT_FLOAT_EQ(mixed[1], -0.4f);
    Play(loud);
    mixed = Mix(4);
    EXPECT_FLOAT_EQ(mixed[0], 1.0f);  // 1.3 clipped
    EXPECT_FLOAT_EQ(mixed[1], -1.0f); // -1.0 exactly
    Play(loud);
    mixed = Mix(4);
    EXPECT_FLOAT_EQ(mixed[1], -1.0f); // -1.6 clipped

    std::vector<int16_t> pcm(8);
    MixAudioS16(pcm.data(), 4);
    EXPECT_EQ(pcm[0], 32767);
    EXPECT_EQ(pcm[1], -32767);
}

TEST_F(MixerTest, StopSilencesAtOnceAndFinishedChannelsStopPlaying) {
    SoundRef sound = MakeSound(50, 0.5f, 0.5f);
    int stopped = Play(sound);
    int finished = Play(sound);
    int idle = NewChannel();
    PrepareChannel(idle, sound);
    EXPECT_TRUE(ChannelPlaying(stopped));
    EXPECT_FALSE(ChannelPlaying(idle)) << "prepared but never started";
    Mix(10);
    StopChannel(stopped);
    EXPECT_FALSE(ChannelPlaying(stopped));
    std::vector<float> mixed = Mix(10);
    EXPECT_FLOAT_EQ(mixed[0], 0.5f) << "only the other channel";
    Mix(25);
    EXPECT_TRUE(ChannelPlaying(finished));
    mixed = Mix(10);
    EXPECT_FLOAT_EQ(mixed[8], 0.5f);
    EXPECT_FLOAT_EQ(mixed[10], 0.0f);
    EXPECT_FALSE(ChannelPlaying(finished));
    // Preparing rewinds: the same channel plays the sound again from its start.
    PrepareChannel(finished, sound);
    StartChannel(finished);
    EXPECT_TRUE(ChannelPlaying(finished));
    EXPECT_EQ(SoundingFrames(Mix(100)), 50);
}

TEST_F(MixerTest, FreedHandlesAreHandedOutAgainAndIgnoredMeanwhile) {
    SoundRef sound = MakeSound(100, 0.5f, 0.5f);
    int first = Play(sound);
    int second = Play(sound);
    EXPECT_NE(first, 0);
    EXPECT_NE(first, second);
    FreeChannel(first);
    EXPECT_FALSE(ChannelPlaying(first));
    StartChannel(first); // a freed handle is nobody's: nothing happens
    EXPECT_FLOAT_EQ(Mix(1)[0], 0.5f);
    int third = NewChannel();
    EXPECT_EQ(third, first);
    EXPECT_FALSE(ChannelPlaying(third)) << "a reused handle starts empty";
    EXPECT_FALSE(ChannelPlaying(0));
    EXPECT_FALSE(ChannelPlaying(-5));
    EXPECT_FALSE(ChannelPlaying(1000));
}

TEST_F(MixerTest, SettingsThatAreNotNumbersReadAsNeutral) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    SoundRef sound = MakeSound(100, 0.5f, 0.5f);
    int channel = Play(sound, 1, nan, nan);
    std::vector<float> mixed = Mix(10);
    EXPECT_FLOAT_EQ(mixed[0], 0.5f);
    EXPECT_FLOAT_EQ(mixed[1], 0.5f);
    EXPECT_EQ(SoundingFrames(Mix(200)), 90) << "rate 1";
    SetChannelVolume(channel, nan);
    PrepareChannel(channel, sound);
    StartChannel(channel);
    EXPECT_FLOAT_EQ(Mix(1)[0], 0.0f);
    // An endless rate plays at the mixer's highest rate instead of running the position off the end
    // of int.
    ResetMixer();
    channel = Play(sound, 1, 0, inf);
    Mix(10);
    EXPECT_FALSE(ChannelPlaying(channel));
}
