#include <gtest/gtest.h>

#include <cmath>

#include "platform/audio.h"
#include "platform/sound_fixtures.h"
#include "test_support.h"

namespace {

SoundRef Load(const std::string& bytes) {
    return LoadSoundFromMemory(bytes.data(), bytes.size());
}

std::vector<float> Constant(int frames, int channels, float first, float second) {
    std::vector<float> samples;
    for (int i = 0; i < frames; i++) {
        samples.push_back(first);
        if (channels == 2) samples.push_back(second);
    }
    return samples;
}

} // namespace

TEST(SoundLoad, WavFormatsConvertToStereoFloatAtMixRate) {
    struct Case {
        int bits, channels, rate;
        float left, right; // what the file holds (mono: left only)
    };
    const Case cases[] = {
        {16, 2, 44100, 0.5f, -0.25f}, {16, 1, 44100, 0.5f, 0.5f},   {8, 2, 44100, 0.5f, -0.25f},
        {8, 1, 44100, -0.5f, -0.5f},  {16, 2, 22050, 0.5f, -0.25f}, {8, 1, 22050, 0.75f, 0.75f},
        {16, 1, 11025, -0.5f, -0.5f},
    };
    const int frames = 4410;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.bits << " bits, " << c.channels << " channels, " << c.rate << " Hz");
        SoundRef sound = Load(
            MakeWav(c.bits, c.channels, c.rate, Constant(frames, c.channels, c.left, c.right)));
        ASSERT_NE(sound, nullptr);
        const int expected = frames * (MixRate / c.rate);
        EXPECT_EQ(sound->frames(), expected);
        // Away from the ends (where a resampler's filter rings) the level is what the file holds,
        // and a mono file plays the same in both sides.
        const float tolerance = (c.rate != MixRate ? 0.005f : 0.0001f) + (c.bits == 8 ? 0.01f : 0);
        for (int at : {expected / 4, expected / 2, 3 * expected / 4}) {
            EXPECT_NEAR(sound->samples[2 * at], c.left, tolerance) << "frame " << at;
            EXPECT_NEAR(sound->samples[2 * at + 1], c.right, tolerance) << "frame " << at;
        }
    }
}

TEST(SoundLoad, OggVorbisDecodesToTheRightLengthAndLevel) {
    struct Case {
        int channels, rate, frames;
    };
    for (const Case& c : {Case{1, 44100, 44100}, Case{2, 44100, 22050}, Case{1, 22050, 11025}}) {
        SCOPED_TRACE(testing::Message() << c.channels << " channels, " << c.rate << " Hz");
        const std::string bytes = MakeOgg(c.channels, c.rate, c.frames, 0.5f, 441.0f);
        SoundRef sound = Load(bytes);
        ASSERT_NE(sound, nullptr);
        const int expected = c.frames * (MixRate / c.rate);
        EXPECT_NEAR(sound->frames(), expected, 8);
        const size_t from = static_cast<size_t>(expected) / 4, to = 3 * from;
        EXPECT_NEAR(PeakOf(sound->samples, 0, from, to), 0.5f, 0.05f);
        EXPECT_NEAR(PeakOf(sound->samples, 1, from, to), 0.5f, 0.05f);
    }
}

TEST(SoundLoad, GarbageAndDamagedInputGiveNothing) {
    const std::string wav = MakeWav(16, 2, 44100, Constant(1000, 2, 0.5f, 0.5f));
    const std::string ogg = MakeOgg(1, 44100, 4410, 0.5f, 441.0f);
    auto withField = [&](size_t at, uint32_t value, int bytes) {
        std::string out = wav;
        for (int i = 0; i < bytes; i++) out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return out;
    };
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"text", "just some words, not a sound at all"},
        {"RIFF alone", "RIFF"},
        {"RIFF of another kind", "RIFF\x10\0\0\0AVI LIST\0\0\0\0"},
        {"WAV cut in the format chunk", wav.substr(0, 30)},
        {"WAV cut before its data", wav.substr(0, 44)},
        {"WAV with no channels", withField(22, 0, 2)},
        {"WAV at 0 Hz", withField(24, 0, 4)},
        {"WAV at 4 GHz", withField(24, 0xFFFFFFFF, 4)},
        {"WAV of 12-bit samples", withField(34, 12, 2)},
        {"WAV of an unknown encoding", withField(20, 0x1234, 2)},
        {"WAV with an empty data chunk", withField(40, 0, 4).substr(0, 44)},
        {"OggS alone", "OggS"},
        {"OggS then noise", "OggS" + std::string(200, '\x5a')},
        {"Ogg cut in its headers", ogg.substr(0, 60)},
        {"Ogg with its first page spoilt",
         [&] {
             std::string out = ogg;
             out[30] ^= 0x55;
             return out;
         }()},
    };
    for (const Case& c : cases) EXPECT_EQ(Load(c.bytes), nullptr) << c.what;
    EXPECT_EQ(LoadSoundFromMemory(nullptr, 100), nullptr);
}

TEST(SoundLoad, WavCutShortInItsDataKeepsTheWholeFrames) {
    // A file cut off while copying still plays what arrived, as players of such files do.
    const std::string wav = MakeWav(16, 2, 44100, Constant(1000, 2, 0.5f, 0.5f));
    SoundRef sound = Load(wav.substr(0, 44 + 4 * 300 + 3));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->frames(), 300);
    // A length field claiming far more than the file holds reads the same way.
    std::string claimsMore = wav;
    claimsMore.replace(40, 4, std::string("\x00\xff\xff\xff", 4));
    sound = Load(claimsMore);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->frames(), 1000);
}

TEST(SoundLoad, LoadsFilesByContentNotByName) {
    ScratchDir scratch;
    WriteFileText("chime.wav", MakeOgg(2, 44100, 4410, 0.5f, 441.0f));
    WriteFileText("click.ogg", MakeWav(16, 1, 44100, Constant(441, 1, 0.5f, 0)));
    SoundRef chime = LoadSound("chime.wav");
    SoundRef click = LoadSound("click.ogg");
    ASSERT_NE(chime, nullptr);
    ASSERT_NE(click, nullptr);
    EXPECT_NEAR(chime->frames(), 4410, 8);
    EXPECT_EQ(click->frames(), 441);
    EXPECT_EQ(LoadSound("missing.wav"), nullptr);
    EXPECT_EQ(LoadSound("."), nullptr);
}
