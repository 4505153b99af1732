// make-assets: draws, synthesises and copies the game's asset pack.
//   make-assets FILES_DIR ASSETS_DIR [PREVIEW_DIR]
// writes FILES_DIR/Common/ and FILES_DIR/279/; ASSETS_DIR holds fonts.txt. With PREVIEW_DIR it also
// writes enlarged copies of the pictures there, for looking at the small sheets.
#include <cstdio>
#include <filesystem>
#include <string>

#include "badge_sheet.h"
#include "block_sheet.h"
#include "character_sheet.h"
#include "font_copy.h"
#include "icon_sheet.h"
#include "logos.h"
#include "ogg_writer.h"
#include "png_writer.h"
#include "sound_effects.h"
#include "wav_writer.h"

namespace {

std::string previewDir;

bool SavePicture(const std::filesystem::path& path, const Image& image, int previewScale) {
    if (!WritePng(path.string(), image)) {
        std::fprintf(stderr, "make-assets: cannot write %s\n", path.string().c_str());
        return false;
    }
    if (!previewDir.empty()) {
        std::string name = path.parent_path().filename().string() + "_" + path.filename().string();
        WritePng((std::filesystem::path(previewDir) / name).string(), ScaleUp(image, previewScale));
    }
    return true;
}

bool SaveSound(const std::filesystem::path& path, const Samples& sound) {
    if (WriteWav(path.string(), {sound})) return true;
    std::fprintf(stderr, "make-assets: cannot write %s\n", path.string().c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: make-assets FILES_DIR ASSETS_DIR [PREVIEW_DIR]\n");
        return 2;
    }
    std::filesystem::path files = argv[1];
    std::filesystem::path common = files / "Common";
    std::filesystem::path game = files / "279";
    if (argc == 4) previewDir = argv[3];
    std::error_code error;
    std::filesystem::create_directories(common, error);
    std::filesystem::create_directories(game, error);
    if (!previewDir.empty()) std::filesystem::create_directories(previewDir, error);

    bool ok = true;
    ok = SavePicture(common / "icons.png", MakeIconSheet(), 6) && ok;
    ok = SavePicture(common / "logo.png", MakeFrameworkLogo(), 2) && ok;
    ok = SavePicture(common / "Tumblix.png", MakeSiteLogo(), 2) && ok;
    ok = SavePicture(game / "logo.png", MakeTitleLogo(), 1) && ok;
    ok = SavePicture(game / "blocks.png", MakeBlockSheet(), 4) && ok;
    ok = SavePicture(game / "kdthump.png", MakeCharacterSheet(), 2) && ok;
    ok = SavePicture(game / "badges.png", MakeBadgeSheet(), 2) && ok;

    ok = SaveSound(game / "001.wav", SmallPrize()) && ok;
    ok = SaveSound(game / "002.wav", BigPrize()) && ok;
    ok = SaveSound(game / "003.wav", Converter()) && ok;
    ok = SaveSound(game / "004.wav", BashRefill()) && ok;
    ok = SaveSound(game / "005.wav", GroupBurst()) && ok;
    ok = SaveSound(game / "010.wav", HammerThud(0)) && ok;
    ok = SaveSound(game / "011.wav", HammerThud(1)) && ok;
    ok = SaveSound(game / "012.wav", HammerThud(2)) && ok;
    ok = SaveSound(game / "098.wav", MenuClick()) && ok;
    Samples left, right;
    StartupChime(left, right);
    if (!WriteOgg((common / "open.ogg").string(), left, right)) {
        std::fprintf(stderr, "make-assets: cannot write %s\n",
                     (common / "open.ogg").string().c_str());
        ok = false;
    }

    ok = CopyFonts(std::filesystem::path(argv[2]) / "fonts.txt", common) && ok;
    return ok ? 0 : 1;
}
