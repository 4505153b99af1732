// TrueType fonts through FreeType: the Latin-1 glyphs of one face at one pixel size, packed into
// one atlas texture. Metrics are those of the nominal size in virtual units; the glyphs are
// rasterised at the size they will have on the real screen, so text stays crisp when the virtual
// screen is scaled down to a small mode.
#include "platform/gfx_internal.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace {

FT_Library library = nullptr;
FontRef currentFont;

struct Bitmap {
    int width = 0, height = 0;
    int left = 0, top = 0; // FreeType's bearing: from the pen to the left, from the baseline up
    std::vector<uint8_t> coverage;
    int atlasX = 0, atlasY = 0;
};

bool StartFreeType() {
    if (!library && FT_Init_FreeType(&library) != 0) library = nullptr;
    return library != nullptr;
}

// Copies FreeType's glyph bitmap (grey levels, or one bit a pixel without smoothing) as coverage.
void TakeBitmap(const FT_Bitmap& source, Bitmap& out) {
    out.width = static_cast<int>(source.width);
    out.height = static_cast<int>(source.rows);
    out.coverage.assign(static_cast<size_t>(out.width) * out.height, 0);
    for (int y = 0; y < out.height; y++) {
        const unsigned char* row = source.buffer + static_cast<ptrdiff_t>(y) * source.pitch;
        for (int x = 0; x < out.width; x++) {
            uint8_t value;
            if (source.pixel_mode == FT_PIXEL_MODE_MONO)
                value = (row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0;
            else
                value = row[x];
            out.coverage[static_cast<size_t>(y) * out.width + x] = value;
        }
    }
}

// Shelf packing, one pixel of space around every glyph so filtering never bleeds neighbours in.
int PackAtlas(std::vector<Bitmap>& bitmaps, int atlasWidth) {
    int x = 1, y = 1, shelf = 0;
    for (Bitmap& b : bitmaps) {
        if (b.width == 0) continue;
        if (x + b.width + 1 > atlasWidth) {
            x = 1;
            y += shelf + 1;
            shelf = 0;
        }
        b.atlasX = x;
        b.atlasY = y;
        x += b.width + 1;
        shelf = std::max(shelf, b.height);
    }
    return y + shelf + 1;
}

FontRef BuildFont(FT_Face face, int pixelSize, bool smooth) {
    auto font = std::make_shared<Font>();
    font->pixelSize = pixelSize;

    // Metrics at the nominal size: what the layout code measures text with.
    if (FT_Set_Pixel_Sizes(face, 0, pixelSize) != 0) return nullptr;
    font->height =
        static_cast<int>((face->size->metrics.ascender - face->size->metrics.descender) >> 6);
    int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    for (int c = 32; c < 256; c++) {
        if (FT_Load_Char(face, c, FT_LOAD_DEFAULT) != 0) continue;
        font->glyphs[c].present = true;
        font->glyphs[c].advance = static_cast<int>(face->glyph->advance.x >> 6);
    }

    // The bitmaps at the size they get on the real screen.
    float scale = std::clamp((gfx.unitX + gfx.unitY) / 2, 0.25f, 4.0f);
    int rasterSize = std::max(1, static_cast<int>(std::lround(pixelSize * scale)));
    float toNominal = static_cast<float>(pixelSize) / rasterSize;
    if (rasterSize != pixelSize && FT_Set_Pixel_Sizes(face, 0, rasterSize) != 0) return nullptr;
    FT_Int32 loadFlags = FT_LOAD_RENDER | (smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
    std::vector<Bitmap> bitmaps(256);
    long area = 0;
    int widest = 0;
    for (int c = 32; c < 256; c++) {
        if (!font->glyphs[c].present || FT_Load_Char(face, c, loadFlags) != 0) continue;
        TakeBitmap(face->glyph->bitmap, bitmaps[c]);
        bitmaps[c].left = face->glyph->bitmap_left;
        bitmaps[c].top = face->glyph->bitmap_top;
        area += static_cast<long>(bitmaps[c].width + 1) * (bitmaps[c].height + 1);
        widest = std::max(widest, bitmaps[c].width);
    }

    int atlasWidth = 64;
    while (static_cast<long>(atlasWidth) * atlasWidth < area * 5 / 4) atlasWidth *= 2;
    atlasWidth = std::max(atlasWidth, widest + 2);
    int atlasHeight = PackAtlas(bitmaps, atlasWidth);
    // White glyphs whose alpha is the coverage: the drawing colour tints them.
    std::vector<uint32_t> pixels(static_cast<size_t>(atlasWidth) * atlasHeight, 0x00FFFFFF);
    for (const Bitmap& b : bitmaps)
        for (int y = 0; y < b.height; y++)
            for (int x = 0; x < b.width; x++)
                pixels[static_cast<size_t>(b.atlasY + y) * atlasWidth + b.atlasX + x] =
                    uint32_t{b.coverage[static_cast<size_t>(y) * b.width + x]} << 24 | 0xFFFFFF;
    font->texture = MakeTexture(pixels.data(), atlasWidth, atlasHeight, smooth);
    if (!font->texture) return nullptr;
    font->generation = gfx.generation;

    float rasterAscender = ascender / toNominal;
    for (int c = 32; c < 256; c++) {
        const Bitmap& b = bitmaps[c];
        Glyph& glyph = font->glyphs[c];
        if (!glyph.present || b.width == 0) continue;
        glyph.left = b.left * toNominal;
        glyph.top = (rasterAscender - b.top) * toNominal;
        glyph.width = b.width * toNominal;
        glyph.height = b.height * toNominal;
        // A hundredth of a texel in: the renderer turns these back into whole texels by
        // truncating, and 2/107 * 107 in floats is a hair below 2, which would take the row
        // above and lose a glyph one row high (a hyphen at a small size).
        const float in = 0.01f;
        glyph.u0 = (b.atlasX + in) / atlasWidth;
        glyph.v0 = (b.atlasY + in) / atlasHeight;
        glyph.u1 = (b.atlasX + b.width + in) / atlasWidth;
        glyph.v1 = (b.atlasY + b.height + in) / atlasHeight;
    }
    return font;
}

} // namespace

Font::~Font() {
    if (!TextureAlive(texture, generation)) return;
    FlushQuads();
    SDL_DestroyTexture(texture);
}

FontRef LoadFont(const std::string& path, int pixelSize, bool smooth) {
    if (!GfxOpen() || pixelSize <= 0 || pixelSize > 1000 || !StartFreeType()) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) return nullptr;
    FontRef font;
    // Latin-1 codes are the first 256 Unicode code points.
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0)
        font = BuildFont(face, pixelSize, smooth);
    FT_Done_Face(face);
    return font;
}

void SetFont(const FontRef& font) {
    currentFont = font;
}
const Font* CurrentFont() {
    return currentFont.get();
}

int TextWidth(const std::string& text) {
    if (!currentFont) return 0;
    int width = 0;
    for (char c : text) width += currentFont->glyphs[static_cast<unsigned char>(c)].advance;
    return width;
}

int FontHeight() {
    return currentFont ? currentFont->height : 0;
}
