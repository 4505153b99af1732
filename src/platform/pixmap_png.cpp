// Pixmap pixels and saving a pixmap as an RGBA PNG with libpng. The file is encoded in memory and
// written atomically, so a failed save never leaves half a picture behind.
#include "platform/files.h"
#include "platform/gfx.h"

#include <png.h>

#include <algorithm>

namespace {

void AppendBytes(png_structp png, png_bytep data, size_t count) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), count);
}

void NoFlush(png_structp) {}
void IgnoreWarning(png_structp, png_const_charp) {}
void StopOnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// libpng reports errors by longjmp back here; the buffers belong to the caller.
bool RunEncoding(png_structp png, png_infop info, const Pixmap& pixmap, int level,
                 std::vector<png_bytep>& rows, std::string& out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixmap.width),
                 static_cast<png_uint_32>(pixmap.height), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    return true;
}

} // namespace

uint32_t ReadPixel(const Pixmap& pixmap, int x, int y) {
    if (x < 0 || y < 0 || x >= pixmap.width || y >= pixmap.height) return 0;
    return pixmap.pixels[static_cast<size_t>(y) * pixmap.width + x];
}

void WritePixel(Pixmap& pixmap, int x, int y, uint32_t argb) {
    if (x < 0 || y < 0 || x >= pixmap.width || y >= pixmap.height) return;
    pixmap.pixels[static_cast<size_t>(y) * pixmap.width + x] = argb;
}

int SavePixmapPng(const Pixmap& pixmap, const std::string& path, int level) {
    if (pixmap.width <= 0 || pixmap.height <= 0 ||
        pixmap.pixels.size() != static_cast<size_t>(pixmap.width) * pixmap.height)
        return 0;
    // 0xAARRGGBB into the byte order of PNG's RGBA rows.
    std::vector<uint8_t> rgba(pixmap.pixels.size() * 4);
    for (size_t i = 0; i < pixmap.pixels.size(); i++) {
        uint32_t p = pixmap.pixels[i];
        rgba[i * 4 + 0] = static_cast<uint8_t>(p >> 16);
        rgba[i * 4 + 1] = static_cast<uint8_t>(p >> 8);
        rgba[i * 4 + 2] = static_cast<uint8_t>(p);
        rgba[i * 4 + 3] = static_cast<uint8_t>(p >> 24);
    }
    std::vector<png_bytep> rows(static_cast<size_t>(pixmap.height));
    for (int y = 0; y < pixmap.height; y++)
        rows[y] = rgba.data() + static_cast<size_t>(y) * pixmap.width * 4;

    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, StopOnError, IgnoreWarning);
    if (!png) return 0;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return 0;
    }
    std::string bytes;
    bool encoded = RunEncoding(png, info, pixmap, std::clamp(level, 0, 9), rows, bytes);
    png_destroy_write_struct(&png, &info);
    if (!encoded) return 0;
    return WriteFileAtomic(path, bytes) ? 1 : 0;
}
