#include "game/sound_effects.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/audio.h"
#include "platform/sound_fixtures.h"
#include "shell/settings.h"

namespace {

struct SoundEffectsTest : testing::Test {
    void SetUp() override {
        ResetMixer();
        ResetSoundEffects();
        settings.masterVolume = 100;
        settings.soundVolume = 100;
    }
    void TearDown() override {
        ResetSoundEffects();
        ResetMixer();
        settings = Settings{};
    }
};

std::vector<float> Mix(int frames) {
    std::vector<float> out(2 * static_cast<size_t>(frames));
    MixAudio(out.data(), frames);
    return out;
}

int FilledSlots() {
    int filled = 0;
    for (int channel : soundChannels) filled += channel != 0;
    return filled;
}

} // namespace

TEST_F(SoundEffectsTest, VolumeIsMasterTimesSoundTimesTheCallersVolume) {
    struct Case {
        int master, sound;
        float volume, expected;
    };
    const Case cases[] = {
        {100, 100, 1, 1},   {50, 80, 0.5f, 0.2f},        {100, 25, 1, 0.25f},
        {10, 10, 1, 0.01f}, {1000000, 1000000, 0.5f, 1}, // settings from a damaged file: full
                                                         // volume, no overflow
    };
    sfxSounds[1] = MakeSound(1000, 1, 1);
    for (const Case& c : cases) {
        ResetMixer();
        ResetSoundEffects();
        sfxSounds[1] = MakeSound(1000, 1, 1);
        settings.masterVolume = c.master;
        settings.soundVolume = c.sound;
        PlaySfx(1, 1, c.volume, 0);
        std::vector<float> mixed = Mix(4);
        EXPECT_FLOAT_EQ(mixed[0], c.expected) << c.master << " " << c.sound << " " << c.volume;
        EXPECT_FLOAT_EQ(mixed[1], c.expected) << c.master << " " << c.sound << " " << c.volume;
    }
}

TEST_F(SoundEffectsTest, SoundSettingZeroPlaysNothingAndMasterZeroPlaysSilently) {
    sfxSounds[1] = MakeSound(1000, 1, 1);
    settings.soundVolume = 0;
    PlaySfx(1, 1, 1, 0);
    EXPECT_EQ(FilledSlots(), 0);
    settings.soundVolume = -5;
    PlaySfx(1, 1, 1, 0);
    EXPECT_EQ(FilledSlots(), 0);

    settings.soundVolume = 100;
    settings.masterVolume = 0;
    PlaySfx(1, 1, 1, 0);
    EXPECT_EQ(FilledSlots(), 1);
    ASSERT_NE(soundChannels[21], 0) << "the first effect takes slot 21: nothing moved the counter";
    EXPECT_TRUE(ChannelPlaying(soundChannels[21]));
    std::vector<float> mixed = Mix(10);
    for (float sample : mixed) EXPECT_EQ(sample, 0.0f);
}

TEST_F(SoundEffectsTest, ArgumentsAreClamped) {
    struct Case {
        float rate, volume, pan;
        int frames;        // how long the 1000-frame effect sounds
        float left, right; // its level
    };
    const Case cases[] = {
        {1, 1, 0, 1000, 0.5f, 0.5f},
        {10, 1, 0, 250, 0.5f, 0.5f},    // rate 4 at most
        {0.1f, 1, 0, 4000, 0.5f, 0.5f}, // rate 0.25 at least
        {1, 2, 0, 1000, 0.5f, 0.5f},    // full volume at most
        {1, -1, 0, 0, 0, 0},            // silent at least
        {1, 1, 5, 1000, 0, 0.5f},
        {1, 1, -5, 1000, 0.5f, 0},
    };
    for (const Case& c : cases) {
        ResetMixer();
        ResetSoundEffects();
        sfxSounds[3] = MakeSound(1000, 0.5f, 0.5f);
        PlaySfx(3, c.rate, c.volume, c.pan);
        std::vector<float> mixed = Mix(5000);
        int sounding = 0;
        while (sounding < 5000 && (mixed[2 * sounding] != 0 || mixed[2 * sounding + 1] != 0))
            sounding++;
        SCOPED_TRACE(testing::Message()
                     << "rate " << c.rate << " volume " << c.volume << " pan " << c.pan);
        EXPECT_EQ(sounding, c.frames);
        EXPECT_FLOAT_EQ(mixed[0], c.left);
        EXPECT_FLOAT_EQ(mixed[1], c.right);
    }
}

TEST_F(SoundEffectsTest, AnEffectWithoutASoundDoesNothingAndKeepsTheSlot) {
    sfxSounds[1] = MakeSound(100, 1, 1);
    for (int number : {0, 2, 200, 201, -1, 100000}) PlaySfx(number, 1, 1, 0);
    EXPECT_EQ(FilledSlots(), 0);
    PlaySfx(1, 1, 1, 0);
    EXPECT_NE(soundChannels[21], 0);
    EXPECT_EQ(FilledSlots(), 1);
}

TEST_F(SoundEffectsTest, TheRingWrapsAndThe237thEffectCutsTheFirstOff) {
    sfxSounds[1] = MakeSound(100000, 0.25f, 0.25f);
    sfxSounds[2] = MakeSound(100000, 0, 0); // silent, so only the first effect is heard
    sfxSounds[3] = MakeSound(100000, 0.5f, 0.5f);
    PlaySfx(1, 1, 1, 0);
    for (int i = 0; i < 235; i++) PlaySfx(2, 1, 1, 0);
    EXPECT_EQ(FilledSlots(), 236);
    for (int slot = 20; slot <= 255; slot++) EXPECT_NE(soundChannels[slot], 0) << slot;
    EXPECT_EQ(soundChannels[19], 0);
    EXPECT_EQ(soundChannels[256], 0);
    std::set<int> handles(soundChannels.begin() + 20, soundChannels.begin() + 256);
    EXPECT_EQ(handles.size(), 236u) << "every slot has a channel of its own";
    EXPECT_FLOAT_EQ(Mix(1)[0], 0.25f);

    const int first = soundChannels[21];
    PlaySfx(3, 1, 1, 0); // the 237th takes slot 21 again
    EXPECT_TRUE(ChannelPlaying(soundChannels[21]));
    EXPECT_FLOAT_EQ(Mix(1)[0], 0.5f) << "the first effect no longer sounds";
    EXPECT_EQ(soundChannels[21], first) << "its handle was given back and taken again";
    EXPECT_EQ(FilledSlots(), 236);
}

TEST_F(SoundEffectsTest, AFinishedChannelStaysInItsSlotAndIsReused) {
    sfxSounds[1] = MakeSound(10, 0.5f, 0.5f);
    sfxSounds[2] = MakeSound(100000, 0, 0);
    // A free handle below the effect's own: a slot whose channel were freed and allocated anew
    // would get this one instead.
    const int spare = NewChannel();
    PlaySfx(1, 1, 1, 0);
    const int first = soundChannels[21];
    FreeChannel(spare);
    Mix(20);
    EXPECT_FALSE(ChannelPlaying(first));
    for (int i = 0; i < 235; i++) PlaySfx(2, 1, 1, 0);
    PlaySfx(1, 1, 1, 0);
    EXPECT_EQ(soundChannels[21], first);
    EXPECT_TRUE(ChannelPlaying(first));
    EXPECT_FLOAT_EQ(Mix(1)[0], 0.5f);
}
