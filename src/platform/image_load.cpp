// Images: PNG decoding with libpng (from memory, so the fuzzer reaches the same code as the game),
// the black mask, one texture per image and its frames as cells of the sheet, row by row.
#include "platform/files.h"
#include "platform/gfx_internal.h"

#include <png.h>

#include <cstring>

namespace {

// Beyond any image the game ships; it keeps a hostile header from asking for gigabytes.
constexpr png_uint_32 MaxSide = 8192;
constexpr size_t MaxPixels = size_t{4096} * 4096;

bool autoMidHandle = false;

struct Reader {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

void ReadBytes(png_structp png, png_bytep out, size_t count) {
    Reader* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (count > reader->size - reader->pos) png_error(png, "truncated");
    std::memcpy(out, reader->data + reader->pos, count);
    reader->pos += count;
}

void IgnoreWarning(png_structp, png_const_charp) {}
void StopOnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

struct Decoding {
    Reader reader;
    std::vector<uint8_t>& rgba;
    std::vector<png_bytep>& rows;
    png_uint_32 width = 0, height = 0;
};

// libpng reports errors by longjmp back to the setjmp here; this frame holds nothing that needs
// destroying, and the buffers belong to the caller.
bool RunDecoding(png_structp png, png_infop info, Decoding& d) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &d.reader, ReadBytes);
    png_set_user_limits(png, MaxSide, MaxSide);
    png_read_info(png, info);
    // Every colour type and depth becomes 8-bit RGBA.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    d.width = png_get_image_width(png, info);
    d.height = png_get_image_height(png, info);
    if (d.width == 0 || d.height == 0 || size_t{d.width} * d.height > MaxPixels) return false;
    if (png_get_rowbytes(png, info) != size_t{d.width} * 4) return false;
    d.rgba.resize(size_t{d.width} * d.height * 4);
    d.rows.resize(d.height);
    for (png_uint_32 y = 0; y < d.height; y++) d.rows[y] = d.rgba.data() + size_t{y} * d.width * 4;
    png_read_image(png, d.rows.data());
    png_read_end(png, nullptr);
    return true;
}

ImageRef MakeImage(const Pixmap& pixels, int cellW, int cellH, bool filtered) {
    if (!GfxOpen() || pixels.width <= 0 || pixels.height <= 0) return nullptr;
    int width = cellW > 0 ? cellW : pixels.width;
    int height = cellH > 0 ? cellH : pixels.height;
    int columns = pixels.width / width, rows = pixels.height / height;
    if (columns == 0 || rows == 0) return nullptr;
    SDL_Texture* texture = MakeTexture(pixels.pixels.data(), pixels.width, pixels.height, filtered);
    if (!texture) return nullptr;
    auto image = std::make_shared<Image>();
    image->texture = texture;
    image->generation = gfx.generation;
    image->sheetWidth = pixels.width;
    image->sheetHeight = pixels.height;
    image->width = width;
    image->height = height;
    image->columns = columns;
    image->frames = columns * rows;
    if (autoMidHandle) {
        image->handleX = width / 2;
        image->handleY = height / 2;
    }
    return image;
}

} // namespace

bool DecodePng(const uint8_t* bytes, size_t size, Pixmap& out) {
    if (!bytes || size < 8 || png_sig_cmp(bytes, 0, 8) != 0) return false;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, StopOnError, IgnoreWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    std::vector<uint8_t> rgba;
    std::vector<png_bytep> rows;
    Decoding d{{bytes, size, 0}, rgba, rows};
    bool ok = RunDecoding(png, info, d);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) return false;
    out.width = static_cast<int>(d.width);
    out.height = static_cast<int>(d.height);
    out.pixels.resize(size_t{d.width} * d.height);
    for (size_t i = 0; i < out.pixels.size(); i++) {
        const uint8_t* p = &rgba[i * 4];
        out.pixels[i] = uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    }
    return true;
}

bool LoadPngFile(const std::string& path, Pixmap& out) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    return DecodePng(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
}

SDL_Texture* MakeTexture(const uint32_t* pixels, int width, int height, bool filtered) {
    if (!gfx.renderer) return nullptr;
    SDL_Texture* texture = SDL_CreateTexture(gfx.renderer, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, width, height);
    if (!texture) return nullptr;
    if (SDL_UpdateTexture(texture, nullptr, pixels, width * 4) != 0) {
        SDL_DestroyTexture(texture);
        return nullptr;
    }
    SDL_SetTextureScaleMode(texture, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return texture;
}

Image::~Image() {
    if (!TextureAlive(texture, generation)) return;
    FlushQuads(); // the batch may still point at this texture
    SDL_DestroyTexture(texture);
}

void SetAutoMidHandle(bool on) {
    autoMidHandle = on;
}

ImageRef LoadImageFrames(const std::string& path, int cellW, int cellH, bool masked,
                         bool filtered) {
    if (!GfxOpen()) return nullptr;
    Pixmap pixels;
    if (!LoadPngFile(path, pixels)) return nullptr;
    if (masked)
        for (uint32_t& p : pixels.pixels)
            if ((p & 0xFFFFFF) == 0) p = 0;
    return MakeImage(pixels, cellW, cellH, filtered);
}

ImageRef ImageFromPixmap(const Pixmap& pixmap, bool filtered) {
    if (pixmap.pixels.size() != static_cast<size_t>(pixmap.width) * pixmap.height) return nullptr;
    return MakeImage(pixmap, 0, 0, filtered);
}

int ImageWidth(const ImageRef& image) {
    return image ? image->width : 0;
}
int ImageHeight(const ImageRef& image) {
    return image ? image->height : 0;
}
int ImageFrames(const ImageRef& image) {
    return image ? image->frames : 0;
}
