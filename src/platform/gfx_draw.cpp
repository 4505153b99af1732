// The drawing state and everything that puts pixels on the back buffer: sprites, text,
// rectangles and lines. Positions, scale and rotation are worked out here in virtual units and
// turned into real pixels, so every renderer draws the same triangles.
#include "platform/gfx_internal.h"
#include "platform/platform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct DrawState {
    Uint8 r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int blend = 1;
    float scaleX = 1.0f, scaleY = 1.0f;
    float rotation = 0.0f;
    float cosine = 1.0f, sine = 0.0f;
};
DrawState state;

struct Batch {
    SDL_Texture* texture = nullptr;
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
};
Batch batch;

SDL_BlendMode BlendMode(int kind) {
    switch (kind) {
    case 0:
        return SDL_BLENDMODE_NONE;
    case 2:
        return SDL_BLENDMODE_MOD;
    case 3:
        return SDL_BLENDMODE_ADD;
    default:
        return SDL_BLENDMODE_BLEND;
    }
}

SDL_Color CurrentColor() {
    return {state.r, state.g, state.b, static_cast<Uint8>(state.alpha * 255.0f)};
}

// On the headless backend an alpha-blended draw at alpha 0 cannot change a pixel, so it is not
// drawn at all (tests and scripted runs spend no time on it). A real renderer draws it: the engine
// test measures what such draws cost there.
bool Invisible() {
    return backend == Backend::Headless && state.blend == 1 && CurrentColor().a == 0;
}

// A point given relative to an origin, scaled and rotated about that origin, in real pixels.
// Rotation is clockwise on screen, as y grows downwards.
SDL_FPoint Place(float originX, float originY, float dx, float dy) {
    dx *= state.scaleX;
    dy *= state.scaleY;
    float x = originX + dx * state.cosine - dy * state.sine;
    float y = originY + dx * state.sine + dy * state.cosine;
    return {x * gfx.unitX, y * gfx.unitY};
}

// A rectangle of local units (left, top, width, height) about an origin.
void QueueLocalRect(SDL_Texture* texture, float originX, float originY, float left, float top,
                    float width, float height, float u0, float v0, float u1, float v1) {
    SDL_FPoint corners[4] = {
        Place(originX, originY, left, top),
        Place(originX, originY, left + width, top),
        Place(originX, originY, left + width, top + height),
        Place(originX, originY, left, top + height),
    };
    QueueQuad(texture, BlendMode(state.blend), corners, u0, v0, u1, v1, CurrentColor());
}

// The software renderer fills a triangle by walking its whole bounding box, which for the long
// thin bands of the menus' rotated background is hundreds of times the band itself. A rotated
// rectangle is filled here as one span a pixel row instead: the same pixel centres, a fraction of
// the work.
void FillRotatedRect(float x, float y, float w, float h) {
    FlushQuads();
    SDL_FPoint c[4] = {Place(x, y, 0, 0), Place(x, y, w, 0), Place(x, y, w, h), Place(x, y, 0, h)};
    float top = c[0].y, bottom = c[0].y;
    for (const SDL_FPoint& p : c) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    int firstRow = std::max(0, static_cast<int>(std::floor(top)));
    int lastRow = std::min(gfx.realHeight - 1, static_cast<int>(std::ceil(bottom)));
    static std::vector<SDL_FRect> spans;
    spans.clear();
    for (int row = firstRow; row <= lastRow; row++) {
        float sy = row + 0.5f, from = 1e30f, to = -1e30f;
        for (int i = 0; i < 4; i++) {
            const SDL_FPoint& a = c[i];
            const SDL_FPoint& b = c[(i + 1) % 4];
            if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy)) {
                float ex = a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y);
                from = std::min(from, ex);
                to = std::max(to, ex);
            }
        }
        int left = std::max(0, static_cast<int>(std::ceil(from - 0.5f)));
        int right = std::min(gfx.realWidth, static_cast<int>(std::ceil(to - 0.5f)));
        if (right > left)
            spans.push_back({static_cast<float>(left), static_cast<float>(row),
                             static_cast<float>(right - left), 1.0f});
    }
    if (spans.empty()) return;
    SDL_Color color = CurrentColor();
    SDL_SetRenderDrawBlendMode(gfx.renderer, BlendMode(state.blend));
    SDL_SetRenderDrawColor(gfx.renderer, color.r, color.g, color.b, color.a);
    SDL_RenderFillRectsF(gfx.renderer, spans.data(), static_cast<int>(spans.size()));
}

} // namespace

void QueueQuad(SDL_Texture* texture, SDL_BlendMode mode, const SDL_FPoint corners[4], float u0,
               float v0, float u1, float v1, SDL_Color color) {
    // A quad wholly off the screen changes nothing; the software renderer would still walk it.
    float left = corners[0].x, right = left, top = corners[0].y, bottom = top;
    for (int i = 1; i < 4; i++) {
        left = std::min(left, corners[i].x);
        right = std::max(right, corners[i].x);
        top = std::min(top, corners[i].y);
        bottom = std::max(bottom, corners[i].y);
    }
    if (right < 0 || bottom < 0 || left > gfx.realWidth || top > gfx.realHeight) return;
    if (texture != batch.texture || mode != batch.mode) {
        FlushQuads();
        batch.texture = texture;
        batch.mode = mode;
    }
    int first = static_cast<int>(batch.vertices.size());
    batch.vertices.push_back({corners[0], color, {u0, v0}});
    batch.vertices.push_back({corners[1], color, {u1, v0}});
    batch.vertices.push_back({corners[2], color, {u1, v1}});
    batch.vertices.push_back({corners[3], color, {u0, v1}});
    const int pattern[6] = {0, 1, 2, 0, 2, 3};
    for (int i : pattern) batch.indices.push_back(first + i);
}

void FlushQuads() {
    if (!batch.vertices.empty() && gfx.renderer) {
        if (batch.texture)
            SDL_SetTextureBlendMode(batch.texture, batch.mode);
        else
            SDL_SetRenderDrawBlendMode(gfx.renderer, batch.mode);
        SDL_RenderGeometry(gfx.renderer, batch.texture, batch.vertices.data(),
                           static_cast<int>(batch.vertices.size()), batch.indices.data(),
                           static_cast<int>(batch.indices.size()));
    }
    batch.vertices.clear();
    batch.indices.clear();
    batch.texture = nullptr;
}

void SetColor(int r, int g, int b) {
    state.r = static_cast<Uint8>(std::clamp(r, 0, 255));
    state.g = static_cast<Uint8>(std::clamp(g, 0, 255));
    state.b = static_cast<Uint8>(std::clamp(b, 0, 255));
}

void SetAlpha(float alpha) {
    state.alpha = std::isnan(alpha) ? 0.0f : std::clamp(alpha, 0.0f, 1.0f);
}
float GetAlpha() {
    return state.alpha;
}
void SetBlend(int kind) {
    if (kind >= 0 && kind <= 3) state.blend = kind;
}
int GetBlend() {
    return state.blend;
}

void SetScale(float sx, float sy) {
    state.scaleX = sx;
    state.scaleY = sy;
}

void GetScale(float& sx, float& sy) {
    sx = state.scaleX;
    sy = state.scaleY;
}

void SetRotation(float degrees) {
    state.rotation = degrees;
    double radians = static_cast<double>(degrees) * std::numbers::pi / 180.0;
    state.cosine = static_cast<float>(std::cos(radians));
    state.sine = static_cast<float>(std::sin(radians));
}

void Cls() {
    if (!gfx.renderer) return;
    FlushQuads();
    SDL_SetRenderDrawColor(gfx.renderer, 0, 0, 0, 255);
    SDL_RenderClear(gfx.renderer);
}

void DrawImage(const ImageRef& image, float x, float y, int frame) {
    if (backend == Backend::Headless) headlessDraws++;
    if (!image || frame < 0 || frame >= image->frames || Invisible()) return;
    if (!TextureAlive(image->texture, image->generation)) return;
    int column = frame % image->columns, row = frame / image->columns;
    float u0 = static_cast<float>(column * image->width) / image->sheetWidth;
    float v0 = static_cast<float>(row * image->height) / image->sheetHeight;
    float u1 = static_cast<float>((column + 1) * image->width) / image->sheetWidth;
    float v1 = static_cast<float>((row + 1) * image->height) / image->sheetHeight;
    QueueLocalRect(image->texture, x, y, static_cast<float>(-image->handleX),
                   static_cast<float>(-image->handleY), static_cast<float>(image->width),
                   static_cast<float>(image->height), u0, v0, u1, v1);
}

void DrawText(const std::string& text, float x, float y) {
    const Font* font = CurrentFont();
    if (!font || Invisible() || !TextureAlive(font->texture, font->generation)) return;
    int pen = 0;
    // Unturned, unmirrored text puts every glyph on whole real pixels, one texel a pixel, as its
    // bitmap was rasterised. At fractional positions the software renderer drops or doubles rows
    // of a quad, which thin glyphs (a hyphen, a full stop) do not survive.
    const bool snap = state.rotation == 0.0f && state.scaleX > 0 && state.scaleY > 0;
    for (char c : text) {
        const Glyph& glyph = font->glyphs[static_cast<unsigned char>(c)];
        if (glyph.present && glyph.width > 0) {
            if (snap) {
                SDL_FPoint from = Place(x, y, pen + glyph.left, glyph.top);
                SDL_FPoint to =
                    Place(x, y, pen + glyph.left + glyph.width, glyph.top + glyph.height);
                float left = std::round(from.x), top = std::round(from.y);
                float w = std::max(1.0f, std::round(to.x - from.x));
                float h = std::max(1.0f, std::round(to.y - from.y));
                SDL_FPoint corners[4] = {
                    {left, top}, {left + w, top}, {left + w, top + h}, {left, top + h}};
                QueueQuad(font->texture, BlendMode(state.blend), corners, glyph.u0, glyph.v0,
                          glyph.u1, glyph.v1, CurrentColor());
            } else {
                QueueLocalRect(font->texture, x, y, pen + glyph.left, glyph.top, glyph.width,
                               glyph.height, glyph.u0, glyph.v0, glyph.u1, glyph.v1);
            }
        }
        pen += glyph.advance;
    }
}

void DrawRect(float x, float y, float w, float h) {
    if (!gfx.renderer || Invisible()) return;
    if (state.rotation != 0.0f && gfx.softwareRenderer) {
        FillRotatedRect(x, y, w, h);
        return;
    }
    QueueLocalRect(nullptr, x, y, 0, 0, w, h, 0, 0, 0, 0);
}

void DrawLine(float x1, float y1, float x2, float y2) {
    if (!gfx.renderer || Invisible()) return;
    FlushQuads();
    SDL_FPoint a = Place(x1, y1, 0, 0);
    SDL_FPoint b = Place(x1, y1, x2 - x1, y2 - y1);
    SDL_Color color = CurrentColor();
    SDL_SetRenderDrawBlendMode(gfx.renderer, BlendMode(state.blend));
    SDL_SetRenderDrawColor(gfx.renderer, color.r, color.g, color.b, color.a);
    SDL_RenderDrawLineF(gfx.renderer, a.x, a.y, b.x, b.y);
}
