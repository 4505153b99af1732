// Particles thrown off bursting and bashed cells, rising score popups and stacked notices. None of
// them affects the rules; their lists live as long as the program.
#pragma once

#include <functional>
#include <list>
#include <memory>
#include <string>

// One piece of a block picture in flight.
struct icle {
    int x = 0, y = 0; // screen position of the piece's box corner
    int n = 0;        // frame of the 8x8 particle sheet; only 0-255 are drawn
    float dx = 0, dy = 0;
    float rot = 0, rotgo = 0; // degrees, and degrees per frame
    float s = 0;              // scale; pieces of scale 1 and more fall, smaller chips fly straight
    float alp = 0;
    ~icle();
};

// A number of points rising and fading where they were scored.
struct ore {
    int n = 0;
    float x = 0, y = 0; // centre of the text
    int t = 0;          // frames left to live
    int r = 0, g = 0, b = 0;
    ~ore();
};

// A one-line message in the bottom-left corner.
struct ment {
    int tick = 0;
    std::string txt;
    int c = 0; // the caller's code; nothing reads it
    ~ment();
};

extern std::list<std::shared_ptr<icle>> particleList; // newest first
extern std::list<std::shared_ptr<ore>> popupList;     // oldest first
extern std::list<std::shared_ptr<ment>> noticeList;   // oldest first

constexpr int PopupLife = 120;
constexpr int NoticeLife = 180;
constexpr int NoticeHighlight = 60; // highlighted while tick is below this

// A pick-up: 48 big pieces of cell (x, y), which then becomes empty. Only for cells of rows 0-24
// holding something.
void BurstCell(int x, int y);
// A bash hit: 2 small chips of cell (x, y), which stays as it is. Only for cells of rows 0-22
// holding something.
void ChipCell(int x, int y);
// The 8 pieces of one cell burst as part of a group (the cell's value is read, not changed).
void ThrowGroupPieces(int x, int y);

// Adds points to totalScore and shows them rising from (x, y) in colour (r, g, b).
void AddScore(int points, int x, int y, int r, int g, int b);
// Adds a notice line.
void Notice(const std::string& text, int code);

// Once per frame: moves every particle, newest first, and removes those that left the screen.
// draw, when given, is called for every drawable particle (frame 0-255) after its move, also in
// the frame it is removed.
void UpdateParticles(const std::function<void(const icle&)>& draw = nullptr);
// Once per frame: ages and raises every popup; draw gets the popup, its text centre (already
// truncated) and the alpha t / 120 after this frame's decrement. A popup is drawn a last time at
// alpha 0, then removed.
void UpdatePopups(
    const std::function<void(const ore& popup, int x, int y, float alpha)>& draw = nullptr);
// Once per frame: ages every notice, oldest first; draw gets the notice, the top of its line (the
// lowest at H - 16, each newer one 14 higher) and whether it is still highlighted. A notice is
// drawn in its 180th frame and then removed.
void UpdateNotices(
    const std::function<void(const ment& notice, int y, bool highlighted)>& draw = nullptr);
