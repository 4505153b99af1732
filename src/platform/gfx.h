// 2D drawing: display modes, the renderer, the window or full screen, the virtual resolution,
// images cut into frames, fonts, the drawing state, sprites, text, rectangles, lines, grabbing the
// back buffer, pixmaps and their PNG saving, and showing the frame.
//
// Coordinates are virtual units; the layer scales them to the real mode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Starts the video and joystick services of the sdl backend (and attaches the first four
// joysticks to the input state); call before ListDisplayModes and OpenDisplay. The headless
// backend needs nothing started, so this only answers true there.
bool StartVideo(std::string& error);
void StopVideo();

struct DisplayMode {
    int width = 0, height = 0, depth = 0, refresh = 0;
};

// The modes of the current driver, in the driver's order.
std::vector<DisplayMode> ListDisplayModes();
// Whether a full-screen mode of this size and depth exists (any refresh rate).
bool FullscreenModeExists(int width, int height, int depth);
// 0 OpenGL, 1 the second choice, 2 the software renderer; takes effect at the next OpenDisplay.
void SelectRenderer(int choice);
// One line naming the driver actually used when the chosen one could not start; empty when the
// choice worked (and always for the headless backend). The display code logs it (the line has no
// leading tab).
std::string RendererNote();
void SetWindowCaption(const std::string& caption);
// depth 0 opens a window. false with a reason when no display could be opened.
bool OpenDisplay(int width, int height, int depth, int refresh, std::string& error);
void CloseDisplay();
bool DisplayIsOpen();
void SetVirtualResolution(int width, int height);
// The real size of the open display in pixels (0 x 0 when none is open).
int RealWidth();
int RealHeight();

// Images, cut into frames of cellW x cellH (the whole image when 0), numbered row by row. Masked:
// black pixels are transparent. Filtered: smooth when scaled or rotated. Images and fonts belong
// to the open display: nullptr when none is open, and after CloseDisplay the old ones draw nothing
// (they stay safe to hold and release) until they are loaded again. A missing or unreadable file
// gives nullptr, and every drawing function skips a null image.
struct Image;
using ImageRef = std::shared_ptr<Image>;
void SetAutoMidHandle(bool on);
ImageRef LoadImageFrames(const std::string& path, int cellW, int cellH, bool masked, bool filtered);
int ImageWidth(const ImageRef& image);
int ImageHeight(const ImageRef& image);
int ImageFrames(const ImageRef& image);

// TrueType fonts at a pixel size, Latin-1 (codes 32-255). Metrics are integers in virtual units
// at that size: TextWidth sums the advances, FontHeight is ascender - descender. Without a font
// both answer 0 and DrawText draws nothing.
struct Font;
using FontRef = std::shared_ptr<Font>;
FontRef LoadFont(const std::string& path, int pixelSize, bool smooth);
void SetFont(const FontRef& font);
int TextWidth(const std::string& text);
int FontHeight();

// Drawing state. Blend kinds: 0 solid, 1 alpha, 2 shade (multiply), 3 light (additive); any other
// kind leaves the blend as it was. Colour components are clamped to 0-255 and alpha to 0-1.
// Rotation is in degrees, clockwise on screen.
void SetColor(int r, int g, int b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int kind);
int GetBlend();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetRotation(float degrees);

// Clears the back buffer to black.
void Cls();
// The image's handle at (x, y); scaled and rotated about the handle, tinted by the colour.
void DrawImage(const ImageRef& image, float x, float y, int frame);
// The text's top-left at (x, y); scaled and rotated about that point.
void DrawText(const std::string& text, float x, float y);
// Filled rectangles and one-pixel lines, scaled and rotated about their first point.
void DrawRect(float x, float y, float w, float h);
void DrawLine(float x1, float y1, float x2, float y2);
// Shows the back buffer without waiting for the vertical sync. The sdl backend then polls its
// window events into the input state; the headless backend calls headlessFlipHook (when set).
void Flip();
extern void (*headlessFlipHook)();
// The headless backend's simulated machine speed: every image drawn (those dropped unseen
// included) costs this many nanoseconds of simulated time, spent when the frame is shown. 0, the
// default, is an infinitely fast machine.
void SetHeadlessDrawCost(int nanoseconds);
void ShowPointer(bool visible);

// Pixmaps: 32-bit pixels with alpha in the top byte (0xAARRGGBB).
struct Pixmap {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};
// Reads a rectangle of the back buffer in real pixels (draw, grab, then flip); parts outside the
// back buffer read as 0.
bool GrabBackBuffer(int x, int y, int width, int height, Pixmap& out);
uint32_t ReadPixel(const Pixmap& pixmap, int x, int y);
void WritePixel(Pixmap& pixmap, int x, int y, uint32_t argb);
// Saves as PNG with an alpha channel at zlib level 0-9; 1 on success, 0 on failure.
int SavePixmapPng(const Pixmap& pixmap, const std::string& path, int level);

// Decodes a PNG of any colour type and bit depth from memory into 0xAARRGGBB pixels; false when
// the bytes are not a whole, readable PNG, or it is over 8192 pixels a side or 16M pixels in all.
bool DecodePng(const uint8_t* bytes, size_t size, Pixmap& out);
bool LoadPngFile(const std::string& path, Pixmap& out);
// Turns a pixmap into a one-frame image (the pause menu shows a grabbed frame this way); the handle
// follows SetAutoMidHandle as for loaded images. nullptr when no display is open.
ImageRef ImageFromPixmap(const Pixmap& pixmap, bool filtered);
