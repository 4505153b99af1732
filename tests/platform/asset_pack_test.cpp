// Checks the asset pack that make-assets writes into the build's Files/ folder: the files the game
// loads are all there, the pictures have the sizes and frame grids the game cuts them into, the
// sounds are well-formed and quiet at both ends, and the fonts are the installed ones.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <png.h>
#include <string>
#include <vector>
#include <vorbis/vorbisfile.h>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path files = fs::path(BODGER_BUILD_DIR) / "Files";

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    bool Opaque(int x, int y) const { return Pixel(x, y)[3] != 0; }
    const std::uint8_t* Pixel(int x, int y) const {
        return &rgba[(static_cast<size_t>(y) * width + x) * 4];
    }
};

Picture LoadPicture(const fs::path& path) {
    Picture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.string().c_str())) return picture;
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgba = std::move(pixels);
    return picture;
}

int OpaqueIn(const Picture& p, int x0, int y0, int w, int h) {
    int count = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) count += p.Opaque(x, y);
    return count;
}

std::uint32_t Little32(const std::string& bytes, size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint8_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24;
}

std::uint16_t Little16(const std::string& bytes, size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

const char* const fontNames[] = {"SVBasicManual", "November", "Blue Highway", "Acknowledge TT XQZ"};

std::vector<fs::path> PackFiles() {
    std::vector<fs::path> list;
    for (const char* name : {"icons.png", "logo.png", "Tumblix.png", "open.ogg"})
        list.push_back(fs::path("Common") / name);
    for (const char* font : fontNames) {
        list.push_back(fs::path("Common") / (std::string(font) + ".ttf"));
        list.push_back(fs::path("Common") / (std::string(font) + " licence.txt"));
    }
    for (const char* name :
         {"logo.png", "blocks.png", "kdthump.png", "badges.png", "001.wav", "002.wav", "003.wav",
          "004.wav", "005.wav", "010.wav", "011.wav", "012.wav", "098.wav"})
        list.push_back(fs::path("279") / name);
    return list;
}

} // namespace

TEST(AssetPack, EveryFileTheGameLoadsIsThere) {
    for (const fs::path& file : PackFiles()) {
        EXPECT_TRUE(fs::is_regular_file(files / file)) << file;
        EXPECT_GT(fs::file_size(files / file), 0u) << file;
    }
}

TEST(AssetPack, PicturesHaveTheirSizesAndEveryFrameIsDrawn) {
    struct Case {
        const char* file;
        int width, height, frameWidth, frameHeight;
    };
    const Case cases[] = {
        {"Common/icons.png", 256, 64, 16, 16},      {"Common/logo.png", 256, 128, 256, 128},
        {"Common/Tumblix.png", 256, 128, 256, 128}, {"279/logo.png", 640, 200, 640, 200},
        {"279/blocks.png", 256, 64, 32, 32},        {"279/kdthump.png", 512, 256, 64, 64},
        {"279/badges.png", 256, 256, 64, 64},
    };
    for (const Case& c : cases) {
        Picture p = LoadPicture(files / c.file);
        ASSERT_EQ(p.width, c.width) << c.file;
        ASSERT_EQ(p.height, c.height) << c.file;
        for (int y = 0; y < p.height; y += c.frameHeight) {
            for (int x = 0; x < p.width; x += c.frameWidth) {
                int opaque = OpaqueIn(p, x, y, c.frameWidth, c.frameHeight);
                EXPECT_GT(opaque, 0) << c.file << " frame at " << x << "," << y << " is empty";
            }
        }
        // Black is the mask colour: transparent pixels are black and nothing opaque is.
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                const std::uint8_t* px = p.Pixel(x, y);
                bool black = px[0] == 0 && px[1] == 0 && px[2] == 0;
                ASSERT_EQ(black, px[3] == 0) << c.file << " at " << x << "," << y;
            }
        }
    }
}

TEST(AssetPack, PointerTipIsInTheTopLeftCornerOfFrame63) {
    Picture icons = LoadPicture(files / "Common/icons.png");
    ASSERT_EQ(icons.width, 256);
    const int x0 = 15 * 16, y0 = 3 * 16;
    EXPECT_GT(OpaqueIn(icons, x0, y0, 2, 2), 0);
    EXPECT_FALSE(icons.Opaque(x0 + 15, y0));
    EXPECT_FALSE(icons.Opaque(x0, y0 + 15));
    EXPECT_FALSE(icons.Opaque(x0 + 15, y0 + 15));
    // The arrow's body runs down and to the right from the tip.
    EXPECT_GT(OpaqueIn(icons, x0, y0, 8, 8), OpaqueIn(icons, x0 + 8, y0, 8, 8));
}

TEST(AssetPack, BlocksFillTheirCellsAndCharacterStandsOnTheCellBelow) {
    Picture blocks = LoadPicture(files / "279/blocks.png");
    ASSERT_EQ(blocks.width, 256);
    for (int colour = 0; colour < 8; ++colour) {
        // A block covers its cell but for its rounded corners, so the board reads as a wall.
        EXPECT_GE(OpaqueIn(blocks, colour * 32, 0, 32, 32), 32 * 32 - 16)
            << "colour " << colour + 1;
    }
    // Colour 1 is red.
    const std::uint8_t* red = blocks.Pixel(8, 16);
    EXPECT_GT(red[0], 2 * red[1]);
    EXPECT_GT(red[0], 2 * red[2]);

    // The game puts the character's 32 x 32 cell at the bottom centre of each 64 x 64 frame: the
    // feet of the standing frame reach its bottom rows, inside the middle 32 columns.
    Picture sheet = LoadPicture(files / "279/kdthump.png");
    ASSERT_EQ(sheet.width, 512);
    int lowest = -1;
    for (int y = 0; y < 64; ++y)
        if (OpaqueIn(sheet, 0, y, 64, 1) > 0) lowest = y;
    EXPECT_GE(lowest, 60);
    EXPECT_EQ(OpaqueIn(sheet, 0, lowest, 16, 1) + OpaqueIn(sheet, 48, lowest, 16, 1), 0);
}

TEST(AssetPack, SoundEffectsAreShortCleanSixteenBitWaves) {
    struct Case {
        const char* file;
        double minSeconds, maxSeconds;
    };
    const Case cases[] = {
        {"001.wav", 0.05, 0.3}, {"002.wav", 0.3, 1.0},  {"003.wav", 0.2, 1.0},
        {"004.wav", 0.2, 0.8},  {"005.wav", 0.1, 0.6},  {"010.wav", 0.05, 0.4},
        {"011.wav", 0.05, 0.4}, {"012.wav", 0.05, 0.4}, {"098.wav", 0.01, 0.15},
    };
    for (const Case& c : cases) {
        std::string bytes = ReadFileText(files / "279" / c.file);
        ASSERT_GE(bytes.size(), 44u) << c.file;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF") << c.file;
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ") << c.file;
        EXPECT_EQ(Little32(bytes, 4), bytes.size() - 8) << c.file;
        EXPECT_EQ(Little16(bytes, 20), 1) << c.file << " is not PCM";
        int channels = Little16(bytes, 22);
        EXPECT_TRUE(channels == 1 || channels == 2) << c.file;
        EXPECT_EQ(Little32(bytes, 24), 44100u) << c.file;
        EXPECT_EQ(Little16(bytes, 34), 16) << c.file;
        ASSERT_EQ(bytes.substr(36, 4), "data") << c.file;
        std::uint32_t dataBytes = Little32(bytes, 40);
        ASSERT_EQ(dataBytes, bytes.size() - 44) << c.file;
        size_t samples = dataBytes / 2;
        double seconds = static_cast<double>(samples / channels) / 44100;
        EXPECT_GE(seconds, c.minSeconds) << c.file;
        EXPECT_LE(seconds, c.maxSeconds) << c.file;

        int peak = 0;
        double sum = 0;
        std::vector<int> values(samples);
        for (size_t i = 0; i < samples; ++i) {
            values[i] = static_cast<std::int16_t>(Little16(bytes, 44 + 2 * i));
            peak = std::max(peak, std::abs(values[i]));
            sum += values[i];
        }
        double peakDb = 20 * std::log10(peak / 32767.0);
        EXPECT_NEAR(peakDb, -3, 1) << c.file;
        EXPECT_LT(std::fabs(sum / samples), 100) << c.file << " has a DC offset";
        // Faded at both ends, so starting or cutting a sound never clicks.
        EXPECT_LT(std::abs(values.front()), 300) << c.file;
        EXPECT_LT(std::abs(values.back()), 300) << c.file;
    }
}

TEST(AssetPack, StartupChimeIsAnOggVorbisOfAboutASecond) {
    fs::path chime = files / "Common/open.ogg";
    EXPECT_EQ(ReadFileText(chime).substr(0, 4), "OggS");
    OggVorbis_File ogg;
    ASSERT_EQ(ov_fopen(chime.string().c_str(), &ogg), 0);
    vorbis_info* info = ov_info(&ogg, -1);
    EXPECT_EQ(info->rate, 44100);
    double seconds = ov_time_total(&ogg, -1);
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 1.5);
    ov_clear(&ogg);
}

TEST(AssetPack, FontsAreTheInstalledFontsWithTheirLicences) {
    struct Case {
        const char* name;
        const char* installed;
        const char* package;
    };
    const Case cases[] = {
        {"SVBasicManual", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "fonts-dejavu-core"},
        {"November", "/usr/share/fonts/opentype/cabin/Cabin-Regular.otf", "fonts-cabin"},
        {"Blue Highway", "/usr/share/fonts/opentype/yanone-kaffeesatz/YanoneKaffeesatz-Regular.otf",
         "fonts-yanone-kaffeesatz"},
        {"Acknowledge TT XQZ", "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Regular.otf",
         "fonts-bebas-neue"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadFileText(files / "Common" / (std::string(c.name) + ".ttf")),
                  ReadFileText(c.installed))
            << c.name;
        std::string licence =
            ReadFileText(files / "Common" / (std::string(c.name) + " licence.txt"));
        EXPECT_FALSE(licence.empty()) << c.name;
        EXPECT_EQ(licence, ReadFileText(fs::path("/usr/share/doc") / c.package / "copyright"))
            << c.name;
    }
}

TEST(AssetPack, GeneratorMakesTheSameBytesEveryRun) {
    ScratchDir dir;
    // The generator's inputs sit in assets/ beside tests/ in the source tree.
    fs::path assets = fs::path(BODGER_TEST_DATA).parent_path().parent_path() / "assets";
    std::string command = "'" +
                          (fs::path(BODGER_BUILD_DIR) / "tools/make-assets/make-assets").string() +
                          "' Files '" + assets.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const fs::path& file : PackFiles()) {
        EXPECT_EQ(ReadFileText(dir.path / "Files" / file), ReadFileText(files / file)) << file;
    }
}
