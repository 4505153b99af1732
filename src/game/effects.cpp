#include "game/effects.h"

#include "display/virtual_screen.h"
#include "game/board.h"
#include "game/random.h"
#include "platform/memstat.h"

std::list<std::shared_ptr<icle>> particleList;
std::list<std::shared_ptr<ore>> popupList;
std::list<std::shared_ptr<ment>> noticeList;

icle::~icle() {
    NoteRecordReleased();
}
ore::~ore() {
    NoteRecordReleased();
}
ment::~ment() {
    NoteRecordReleased();
}

namespace {
enum class Spawner { Pickup, Chip, Group };

// One particle of cell (x, y) holding value. It starts on an 8-pixel grid inside the cell, and
// its piece is one of the 4x4 pieces of the cell's picture in the sheet (or, for r = 16, the
// piece just below it: off the sheet for items, so never drawn).
void ThrowPiece(int x, int y, int value, Spawner kind) {
    auto piece = std::make_shared<icle>();
    piece->x = BoardOriginX() + 32 * x + 8 * Rand(0, 3);
    piece->y = BoardOriginY() + 32 * y + 8 * Rand(0, 3);
    // Each kind draws its ranges in its own order; the order is part of the sequence.
    switch (kind) {
    case Spawner::Pickup:
        piece->dx = static_cast<float>(Rnd(-24, 24));
        piece->dy = static_cast<float>(Rnd(-24, 4));
        piece->rotgo = static_cast<float>(Rnd(-12, 12));
        piece->alp = static_cast<float>(Rnd(0.5, 1));
        piece->s = static_cast<float>(Rnd(1, 4));
        break;
    case Spawner::Chip:
        piece->dx = static_cast<float>(Rnd(-2, 2));
        piece->dy = static_cast<float>(Rnd(-23, -12));
        piece->rotgo = static_cast<float>(Rnd(-12, 12));
        piece->s = static_cast<float>(Rnd(0.25, 0.9));
        piece->alp = static_cast<float>(Rnd(0.7, 1));
        break;
    case Spawner::Group:
        piece->dx = static_cast<float>(Rnd(-8, 8));
        piece->dy = static_cast<float>(Rnd(-8, -2));
        piece->rotgo = static_cast<float>(Rnd(-6, 6));
        piece->s = 1;
        piece->alp = 1;
        break;
    }
    int r = Rand(0, 16);
    piece->n = r % 4 + 32 * (r / 4) + 4 * ((value - 1) % 8) + (value > 8 ? 128 : 0);
    particleList.push_front(std::move(piece));
}

bool OnBoard(int x, int y, int lastRow) {
    return x >= 0 && x <= 37 && y >= 0 && y <= lastRow;
}
} // namespace

void BurstCell(int x, int y) {
    if (!OnBoard(x, y, 24) || CellAt(x, y) <= 0) return;
    for (int i = 0; i < 48; i++) ThrowPiece(x, y, CellAt(x, y), Spawner::Pickup);
    CellAt(x, y) = 0;
}

void ChipCell(int x, int y) {
    if (!OnBoard(x, y, 22) || CellAt(x, y) <= 0) return;
    for (int i = 0; i < 2; i++) ThrowPiece(x, y, CellAt(x, y), Spawner::Chip);
}

void ThrowGroupPieces(int x, int y) {
    if (!OnBoard(x, y, 24) || CellAt(x, y) <= 0) return;
    for (int i = 0; i < 8; i++) ThrowPiece(x, y, CellAt(x, y), Spawner::Group);
}

void AddScore(int points, int x, int y, int r, int g, int b) {
    totalScore += points;
    auto popup = std::make_shared<ore>();
    popup->n = points;
    popup->x = static_cast<float>(x);
    popup->y = static_cast<float>(y);
    popup->t = PopupLife;
    popup->r = r;
    popup->g = g;
    popup->b = b;
    popupList.push_back(std::move(popup));
}

void Notice(const std::string& text, int code) {
    auto notice = std::make_shared<ment>();
    notice->txt = text;
    notice->c = code;
    noticeList.push_back(std::move(notice));
}

void UpdateParticles(const std::function<void(const icle&)>& draw) {
    const int w = virtualWidth, h = virtualHeight;
    for (auto it = particleList.begin(); it != particleList.end();) {
        icle& p = **it;
        // Positions stay whole pixels: each step truncates toward zero.
        p.x = static_cast<int>(p.x + p.dx);
        p.y = static_cast<int>(p.y + p.dy);
        p.rot += p.rotgo;
        // Only the big pieces fall back; chips fly on in a straight line and leave at the top.
        if (p.s >= 1) p.dy += 0.5f;
        bool gone = (p.s < 1 && p.y < -16) || p.x < -16 || p.y > h + 16 || p.x > w + 16;
        // Keep the record alive for its last draw.
        std::shared_ptr<icle> held = *it;
        if (gone)
            it = particleList.erase(it);
        else
            ++it;
        if (draw && held->n >= 0 && held->n < 256) draw(*held);
    }
}

void UpdatePopups(const std::function<void(const ore&, int, int, float)>& draw) {
    for (auto it = popupList.begin(); it != popupList.end();) {
        ore& popup = **it;
        popup.t -= 1;
        popup.y -= 0.25f;
        if (draw)
            draw(popup, static_cast<int>(popup.x), static_cast<int>(popup.y),
                 static_cast<float>(popup.t) / PopupLife);
        if (popup.t <= 0)
            it = popupList.erase(it);
        else
            ++it;
    }
}

void UpdateNotices(const std::function<void(const ment&, int, bool)>& draw) {
    int y = virtualHeight - 16;
    for (auto it = noticeList.begin(); it != noticeList.end();) {
        ment& notice = **it;
        notice.tick += 1;
        if (draw) draw(notice, y, notice.tick < NoticeHighlight);
        y -= 14;
        if (notice.tick >= NoticeLife)
            it = noticeList.erase(it);
        else
            ++it;
    }
}
