// What the drawing files of the platform share among themselves: the open renderer, the records
// behind ImageRef and FontRef, and the quad batch. Nothing outside src/platform/ (and its tests and
// benchmarks) includes this.
#pragma once

#include "platform/gfx.h"

#include <SDL.h>

#include <array>
#include <string>
#include <vector>

struct GfxTarget {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Surface* surface = nullptr; // the headless backend's off-screen back buffer
    // Bumped whenever a renderer is destroyed: textures made under an older renderer are gone
    // with it and must neither be drawn nor destroyed again.
    int generation = 0;
    int realWidth = 0, realHeight = 0;
    bool softwareRenderer = false; // SDL's software renderer: the headless one, or choice 2
    int virtualWidth = 0, virtualHeight = 0;
    // Real pixels per virtual unit.
    float unitX = 1.0f, unitY = 1.0f;
};
extern GfxTarget gfx;

// Images drawn since the last flip on the headless backend, for its simulated drawing cost.
extern int64_t headlessDraws;

bool GfxOpen();
// Whether a texture made in this generation can still be used.
inline bool TextureAlive(SDL_Texture* texture, int generation) {
    return texture && gfx.renderer && generation == gfx.generation;
}

struct Image {
    SDL_Texture* texture = nullptr;
    int generation = 0;
    int sheetWidth = 0, sheetHeight = 0;
    int width = 0, height = 0; // one frame
    int columns = 1, frames = 1;
    int handleX = 0, handleY = 0;
    ~Image();
};

struct Glyph {
    bool present = false;
    int advance = 0;             // nominal pixels, the metric TextWidth sums
    float left = 0, top = 0;     // bitmap offset from the pen and the text's top, nominal units
    float width = 0, height = 0; // bitmap size in nominal units
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
};

struct Font {
    SDL_Texture* texture = nullptr;
    int generation = 0;
    int pixelSize = 0;
    int height = 0; // ascender - descender at the nominal size
    std::array<Glyph, 256> glyphs{};
    ~Font();
};

// The font SetFont chose (null when none).
const Font* CurrentFont();
// Makes a texture of 0xAARRGGBB pixels under the open renderer; nullptr on failure.
SDL_Texture* MakeTexture(const uint32_t* pixels, int width, int height, bool filtered);

// Sprites, glyphs and rectangles go into one vertex batch that is handed to SDL_RenderGeometry
// whenever the texture or blend mode changes, before anything else touches the renderer, and
// before the frame is shown or read back.
void QueueQuad(SDL_Texture* texture, SDL_BlendMode mode, const SDL_FPoint corners[4], float u0,
               float v0, float u1, float v1, SDL_Color color);
void FlushQuads();
