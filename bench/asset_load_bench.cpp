// The asset loads of a display opening: the common assets (fonts, icons, logos, sounds, the score
// file) and the game's four pictures, from the asset pack in Files/ beside the working folder
// (make bench runs in build/).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "display/common_assets.h"
#include "platform/files.h"
#include "platform/gfx.h"
#include "platform/platform.h"
#include "shell/folders.h"

namespace {

bool OpenHeadless(benchmark::State& state) {
    static bool ready = false;
    if (!ready) {
        std::string error;
        if (!std::filesystem::exists("Files/279")) {
            state.SkipWithError("no asset pack in Files/ here: run in the build folder");
            return false;
        }
        InitPlatform(Backend::Headless, error);
        if (!OpenDisplay(800, 600, 0, 60, error)) {
            state.SkipWithError(error.c_str());
            return false;
        }
        SetVirtualResolution(1280, 960);
        filesFolder = std::filesystem::absolute("Files").string();
        displayOpened = 1; // the chime belongs to the first opening only
        ready = true;
    }
    EnterDataFolder();
    return true;
}

void BM_LoadCommonAssets(benchmark::State& state) {
    if (!OpenHeadless(state)) return;
    for (auto _ : state) LoadCommonAssets();
    ChangeDir(filesFolder + "/..");
}
BENCHMARK(BM_LoadCommonAssets)->Unit(benchmark::kMillisecond);

void BM_LoadGameImages(benchmark::State& state) {
    if (!OpenHeadless(state)) return;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadImageFrames("logo.png", 0, 0, true, true));
        benchmark::DoNotOptimize(LoadImageFrames("blocks.png", 32, 32, true, true));
        benchmark::DoNotOptimize(LoadImageFrames("blocks.png", 8, 8, true, true));
        benchmark::DoNotOptimize(LoadImageFrames("kdthump.png", 64, 64, true, true));
    }
    ChangeDir(filesFolder + "/..");
}
BENCHMARK(BM_LoadGameImages)->Unit(benchmark::kMillisecond);

} // namespace
