// One frame of the play screen through the drawing layer, beside the same quads drawn by a bare
// loop of SDL calls on the same software renderer, and one full-screen grab saved as PNG.
//
// The layer must cost no more than 1.25 times the bare loop: BM_PlayFrameRatio runs both in turns
// and reports ours_ms, direct_ms and their ratio.
#include "platform/gfx.h"
#include "platform/gfx_internal.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>

namespace {

constexpr int Columns = 38, Rows = 25, Particles = 250;
const char* const fontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct Scene {
    bool ready = false;
    ImageRef sheet, character, particle;
    FontRef counterFont, popupFont;
    float px[Particles], py[Particles], angle[Particles], size[Particles];
};
Scene scene;

Pixmap Pattern(int width, int height, int cell) {
    Pixmap p;
    p.width = width;
    p.height = height;
    p.pixels.resize(size_t(width) * height);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            int k = (y / cell) * (width / cell) + x / cell;
            bool edge = x % cell < 2 || y % cell < 2; // black rims, masked away
            uint32_t colour = 0xFF000000 | uint32_t(40 + 25 * (k % 8)) << 16 |
                              uint32_t(60 + 20 * (k % 5)) << 8 | uint32_t(200 - 12 * (k % 11));
            p.pixels[size_t(y) * width + x] = edge ? 0xFF000000 : colour;
        }
    return p;
}

ImageRef SavedImage(const Pixmap& p, const std::string& name, int cell) {
    std::string path = (std::filesystem::temp_directory_path() / name).string();
    SavePixmapPng(p, path, 1);
    ImageRef image = LoadImageFrames(path, cell, cell, true, true);
    std::filesystem::remove(path);
    return image;
}

bool Prepare() {
    if (scene.ready) return true;
    backend = Backend::Headless;
    std::string error;
    if (!OpenDisplay(1280, 960, 0, 60, error)) return false;
    SetVirtualResolution(1280, 960);
    SetAutoMidHandle(true);
    scene.sheet = SavedImage(Pattern(256, 64, 32), "bench-sheet.png", 32);
    scene.character = SavedImage(Pattern(64, 64, 64), "bench-character.png", 64);
    scene.particle = SavedImage(Pattern(8, 8, 8), "bench-particle.png", 8);
    scene.counterFont = LoadFont(fontPath, 32, true);
    scene.popupFont = LoadFont(fontPath, 48, true);
    for (int i = 0; i < Particles; i++) {
        scene.px[i] = 40.0f + static_cast<float>((i * 397) % 1200);
        scene.py[i] = 100.0f + static_cast<float>((i * 211) % 780);
        scene.angle[i] = static_cast<float>((i * 37) % 360);
        scene.size[i] = 0.5f + static_cast<float>(i % 10) * 0.15f;
    }
    scene.ready =
        scene.sheet && scene.character && scene.particle && scene.counterFont && scene.popupFont;
    return scene.ready;
}

void ResetState() {
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetBlend(1);
    SetScale(1, 1);
    SetRotation(0);
}

float CellX(int c) {
    return 32.0f + static_cast<float>(c * 32) + 16;
}
float CellY(int r) {
    return 120.0f + static_cast<float>(r * 32) + 16;
}

void OurFrame() {
    Cls();
    ResetState();
    for (int r = 0; r < Rows; r++)
        for (int c = 0; c < Columns; c++)
            DrawImage(scene.sheet, CellX(c), CellY(r), (r * 7 + c) % 16);
    DrawImage(scene.character, 640, 88, 0);
    SetAlpha(0.8f);
    for (int i = 0; i < Particles; i++) {
        SetRotation(scene.angle[i]);
        SetScale(scene.size[i], scene.size[i]);
        DrawImage(scene.particle, scene.px[i], scene.py[i], 0);
    }
    ResetState();
    SetFont(scene.counterFont);
    DrawText("Score 0012345", 20, 10);
    DrawText("Bashes 12", 1000, 10);
    SetFont(scene.popupFont);
    SetScale(1.5f, 1.5f);
    SetAlpha(0.7f);
    DrawText("+1500", 500, 400);
    ResetState();
    Flip();
}

// The bare loop: the same quads, each its own SDL_RenderGeometry call.
void DirectQuad(SDL_Texture* texture, float cx, float cy, float left, float top, float w, float h,
                float sx, float sy, float degrees, float u0, float v0, float u1, float v1,
                SDL_Color colour) {
    float radians = degrees * std::numbers::pi_v<float> / 180.0f;
    float cs = std::cos(radians), sn = std::sin(radians);
    const float lx[4] = {left, left + w, left + w, left};
    const float ly[4] = {top, top, top + h, top + h};
    const float u[4] = {u0, u1, u1, u0};
    const float v[4] = {v0, v0, v1, v1};
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; i++) {
        float x = lx[i] * sx, y = ly[i] * sy;
        vertices[i] = {{cx + x * cs - y * sn, cy + x * sn + y * cs}, colour, {u[i], v[i]}};
    }
    static const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(gfx.renderer, texture, vertices, 4, indices, 6);
}

void DirectImage(const Image& image, float x, float y, int frame, float scale, float degrees,
                 SDL_Color colour) {
    int column = frame % image.columns, row = frame / image.columns;
    float u0 = float(column * image.width) / image.sheetWidth;
    float v0 = float(row * image.height) / image.sheetHeight;
    float u1 = float((column + 1) * image.width) / image.sheetWidth;
    float v1 = float((row + 1) * image.height) / image.sheetHeight;
    DirectQuad(image.texture, x, y, float(-image.handleX), float(-image.handleY),
               float(image.width), float(image.height), scale, scale, degrees, u0, v0, u1, v1,
               colour);
}

void DirectText(const Font& font, const char* text, float x, float y, float scale,
                SDL_Color colour) {
    int pen = 0;
    for (const char* p = text; *p; p++) {
        const Glyph& g = font.glyphs[static_cast<unsigned char>(*p)];
        // Glyphs on whole pixels, as the layer puts unturned text.
        if (g.width > 0)
            DirectQuad(font.texture, 0, 0, std::round(x + (float(pen) + g.left) * scale),
                       std::round(y + g.top * scale), std::max(1.0f, std::round(g.width * scale)),
                       std::max(1.0f, std::round(g.height * scale)), 1, 1, 0, g.u0, g.v0, g.u1,
                       g.v1, colour);
        pen += g.advance;
    }
}

void DirectFrame() {
    SDL_Renderer* renderer = gfx.renderer;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    const SDL_Color white{255, 255, 255, 255};
    SDL_SetTextureBlendMode(scene.sheet->texture, SDL_BLENDMODE_BLEND);
    for (int r = 0; r < Rows; r++)
        for (int c = 0; c < Columns; c++)
            DirectImage(*scene.sheet, CellX(c), CellY(r), (r * 7 + c) % 16, 1, 0, white);
    SDL_SetTextureBlendMode(scene.character->texture, SDL_BLENDMODE_BLEND);
    DirectImage(*scene.character, 640, 88, 0, 1, 0, white);
    SDL_SetTextureBlendMode(scene.particle->texture, SDL_BLENDMODE_BLEND);
    const SDL_Color faded{255, 255, 255, static_cast<Uint8>(0.8f * 255)};
    for (int i = 0; i < Particles; i++)
        DirectImage(*scene.particle, scene.px[i], scene.py[i], 0, scene.size[i], scene.angle[i],
                    faded);
    SDL_SetTextureBlendMode(scene.counterFont->texture, SDL_BLENDMODE_BLEND);
    DirectText(*scene.counterFont, "Score 0012345", 20, 10, 1, white);
    DirectText(*scene.counterFont, "Bashes 12", 1000, 10, 1, white);
    SDL_SetTextureBlendMode(scene.popupFont->texture, SDL_BLENDMODE_BLEND);
    DirectText(*scene.popupFont, "+1500", 500, 400, 1.5f,
               SDL_Color{255, 255, 255, static_cast<Uint8>(0.7f * 255)});
    SDL_RenderPresent(renderer);
}

double Milliseconds(void (*frame)()) {
    auto start = std::chrono::steady_clock::now();
    frame();
    SDL_RenderFlush(gfx.renderer); // the frame counts once its pixels are on the back buffer
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void BM_PlayFrameOurs(benchmark::State& state) {
    if (!Prepare()) return state.SkipWithError("no headless display or no font");
    for (auto _ : state) {
        OurFrame();
        SDL_RenderFlush(gfx.renderer);
    }
}
BENCHMARK(BM_PlayFrameOurs)->Unit(benchmark::kMillisecond);

void BM_PlayFrameDirect(benchmark::State& state) {
    if (!Prepare()) return state.SkipWithError("no headless display or no font");
    for (auto _ : state) {
        DirectFrame();
        SDL_RenderFlush(gfx.renderer);
    }
}
BENCHMARK(BM_PlayFrameDirect)->Unit(benchmark::kMillisecond);

// Both paths in turns within one run, so that a busy machine slows both alike.
void BM_PlayFrameRatio(benchmark::State& state) {
    if (!Prepare()) return state.SkipWithError("no headless display or no font");
    // Both paths must draw the same picture, or the comparison means nothing.
    Pixmap ourPixels, directPixels;
    OurFrame();
    GrabBackBuffer(0, 0, 1280, 960, ourPixels);
    DirectFrame();
    GrabBackBuffer(0, 0, 1280, 960, directPixels);
    int differing = 0;
    for (size_t i = 0; i < ourPixels.pixels.size(); i++)
        differing += ourPixels.pixels[i] != directPixels.pixels[i];
    state.counters["differing_pixels"] = differing;
    double ours = 0, direct = 0;
    for (auto _ : state) {
        ours += Milliseconds(OurFrame);
        direct += Milliseconds(DirectFrame);
    }
    double n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = ours / n;
    state.counters["direct_ms"] = direct / n;
    state.counters["ratio"] = direct > 0 ? ours / direct : 0;
}
BENCHMARK(BM_PlayFrameRatio)->Unit(benchmark::kMillisecond);

void BM_GrabAndSavePng(benchmark::State& state) {
    if (!Prepare()) return state.SkipWithError("no headless display or no font");
    OurFrame();
    std::string path = (std::filesystem::temp_directory_path() / "bench-shot.png").string();
    for (auto _ : state) {
        Pixmap shot;
        GrabBackBuffer(0, 0, 1280, 960, shot);
        for (uint32_t& p : shot.pixels) p |= 0xFF000000;
        if (SavePixmapPng(shot, path, 9) != 1) return state.SkipWithError("save failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_GrabAndSavePng)->Unit(benchmark::kMillisecond);

} // namespace
