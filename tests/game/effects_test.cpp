#include "game/effects.h"

#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "display/virtual_screen.h"
#include "game/game_fixture.h"
#include "game/random.h"
#include "platform/memstat.h"

namespace {
// The frames a particle of value v may show: the 4x4 pieces of its picture and, for r = 16, the
// piece just below it.
std::set<int> PiecesOf(int v) {
    std::set<int> pieces;
    for (int r = 0; r <= 16; r++)
        pieces.insert(r % 4 + 32 * (r / 4) + 4 * ((v - 1) % 8) + (v > 8 ? 128 : 0));
    return pieces;
}

struct Range {
    double lo, hi;
};
void ExpectIn(double value, Range range, const char* what) {
    EXPECT_GE(value, range.lo) << what;
    EXPECT_LT(value, range.hi) << what;
}

icle Particle(int x, int y, float dx, float dy, float s) {
    icle p;
    p.x = x, p.y = y, p.dx = dx, p.dy = dy, p.s = s, p.alp = 1;
    return p;
}
void Add(const icle& p) {
    particleList.push_back(std::make_shared<icle>(p));
}
} // namespace

using Effects = GameTest;

TEST_F(Effects, SpawnersThrowPiecesWithinTheirRanges) {
    struct Case {
        const char* name;
        void (*spawn)(int, int);
        int value, count;
        Range dx, dy, rotgo, s, alp;
        bool emptiesCell;
    };
    const Case cases[] = {
        {"BurstCell",
         BurstCell,
         BigPrize,
         48,
         {-24, 24},
         {-24, 4},
         {-12, 12},
         {1, 4},
         {0.5, 1},
         true},
        {"ChipCell", ChipCell, 3, 2, {-2, 2}, {-23, -12}, {-12, 12}, {0.25, 0.9}, {0.7, 1}, false},
        {"ThrowGroupPieces",
         ThrowGroupPieces,
         8,
         8,
         {-8, 8},
         {-8, -2},
         {-6, 6},
         {1, 1.0001},
         {1, 1.0001},
         false},
    };
    const int ox = 1280 / 2 - 608, oy = 960 - 832;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearGame();
        SeedRnd(5);
        CellAt(6, 9) = c.value;
        std::set<int> seenPieces, seenX;
        for (int round = 0; round < 20; round++) c.spawn(6, 9), CellAt(6, 9) = c.value;
        ASSERT_EQ(particleList.size(), static_cast<size_t>(20 * c.count));
        std::set<int> pieces = PiecesOf(c.value);
        for (const auto& p : particleList) {
            EXPECT_EQ((p->x - ox - 32 * 6) % 8, 0);
            EXPECT_GE(p->x, ox + 32 * 6);
            EXPECT_LE(p->x, ox + 32 * 6 + 24);
            EXPECT_EQ((p->y - oy - 32 * 9) % 8, 0);
            EXPECT_GE(p->y, oy + 32 * 9);
            EXPECT_LE(p->y, oy + 32 * 9 + 24);
            ExpectIn(p->dx, c.dx, "dx");
            ExpectIn(p->dy, c.dy, "dy");
            ExpectIn(p->rotgo, c.rotgo, "rotgo");
            ExpectIn(p->s, c.s, "s");
            ExpectIn(p->alp, c.alp, "alp");
            EXPECT_EQ(p->rot, 0);
            EXPECT_TRUE(pieces.count(p->n)) << p->n;
            seenPieces.insert(p->n);
            seenX.insert(p->x);
        }
        EXPECT_EQ(seenX.size(), 4u);
        EXPECT_GT(seenPieces.size(), 10u);
        CellAt(6, 9) = c.value;
        c.spawn(6, 9);
        EXPECT_EQ(CellAt(6, 9), c.emptiesCell ? 0 : c.value);
    }
}

TEST_F(Effects, SpawnersDrawInTheirOwnOrder) {
    // The same draws made by hand, in the order each spawner makes them, give the particle at the
    // front of the list (the newest).
    const int ox = 32, oy = 128;
    CellAt(2, 3) = 5;
    SeedRnd(77);
    BurstCell(2, 3);
    SeedRnd(77);
    for (int i = 0; i < 47; i++)
        for (int d = 0; d < 8; d++) Rand(0, 1);
    icle want;
    want.x = ox + 64 + 8 * Rand(0, 3);
    want.y = oy + 96 + 8 * Rand(0, 3);
    want.dx = static_cast<float>(Rnd(-24, 24));
    want.dy = static_cast<float>(Rnd(-24, 4));
    want.rotgo = static_cast<float>(Rnd(-12, 12));
    want.alp = static_cast<float>(Rnd(0.5, 1));
    want.s = static_cast<float>(Rnd(1, 4));
    int r = Rand(0, 16);
    want.n = r % 4 + 32 * (r / 4) + 16;
    const icle& got = *particleList.front();
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.dx, want.dx);
    EXPECT_EQ(got.dy, want.dy);
    EXPECT_EQ(got.rotgo, want.rotgo);
    EXPECT_EQ(got.alp, want.alp);
    EXPECT_EQ(got.s, want.s);
    EXPECT_EQ(got.n, want.n);

    particleList.clear();
    CellAt(2, 3) = 11; // an item: its pieces come from the second row of the sheet
    SeedRnd(78);
    ChipCell(2, 3);
    SeedRnd(78);
    for (int d = 0; d < 8; d++) Rand(0, 1); // the first chip
    int x = ox + 64 + 8 * Rand(0, 3), y = oy + 96 + 8 * Rand(0, 3);
    float dx = static_cast<float>(Rnd(-2, 2)), dy = static_cast<float>(Rnd(-23, -12));
    float rotgo = static_cast<float>(Rnd(-12, 12)), s = static_cast<float>(Rnd(0.25, 0.9));
    float alp = static_cast<float>(Rnd(0.7, 1));
    r = Rand(0, 16);
    const icle& chip = *particleList.front();
    EXPECT_EQ(chip.x, x);
    EXPECT_EQ(chip.y, y);
    EXPECT_EQ(chip.dx, dx);
    EXPECT_EQ(chip.dy, dy);
    EXPECT_EQ(chip.rotgo, rotgo);
    EXPECT_EQ(chip.s, s);
    EXPECT_EQ(chip.alp, alp);
    EXPECT_EQ(chip.n, r % 4 + 32 * (r / 4) + 8 + 128);

    particleList.clear();
    SeedRnd(79);
    ThrowGroupPieces(2, 3);
    SeedRnd(79);
    for (int i = 0; i < 7 * 6; i++) Rand(0, 1); // the first seven pieces
    x = ox + 64 + 8 * Rand(0, 3);
    y = oy + 96 + 8 * Rand(0, 3);
    dx = static_cast<float>(Rnd(-8, 8));
    dy = static_cast<float>(Rnd(-8, -2));
    rotgo = static_cast<float>(Rnd(-6, 6));
    r = Rand(0, 16);
    const icle& piece = *particleList.front();
    EXPECT_EQ(piece.x, x);
    EXPECT_EQ(piece.y, y);
    EXPECT_EQ(piece.dx, dx);
    EXPECT_EQ(piece.dy, dy);
    EXPECT_EQ(piece.rotgo, rotgo);
    EXPECT_EQ(piece.n, r % 4 + 32 * (r / 4) + 8 + 128);
    EXPECT_EQ(CellAt(2, 3), 11);
}

TEST_F(Effects, SpawnersIgnoreEmptyCellsAndCellsOffTheirRows) {
    for (int x = 0; x < 38; x++) CellAt(x, 23) = CellAt(x, 24) = SmallPrize;
    struct Case {
        void (*spawn)(int, int);
        int x, y;
    };
    const Case cases[] = {{BurstCell, -1, 5}, {BurstCell, 38, 5}, {BurstCell, 5, -1},
                          {BurstCell, 5, 25}, {BurstCell, 5, 5},  {ChipCell, 5, 23},
                          {ChipCell, 5, 24},  {ChipCell, -1, 0},  {ChipCell, 5, 5}};
    for (const Case& c : cases) c.spawn(c.x, c.y);
    EXPECT_TRUE(particleList.empty());
    BurstCell(5, 24); // a prize in the bottom row can be picked up
    EXPECT_EQ(particleList.size(), 48u);
    EXPECT_EQ(CellAt(5, 24), 0);
}

TEST_F(Effects, ParticlesMoveInWholePixelsAndBigOnesFall) {
    Add(Particle(10, 10, 0.9f, -0.9f, 0.5f)); // a chip: no gravity, x stays, y truncates to 9
    Add(Particle(-5, 20, 0.5f, 0, 2));        // -4.5 truncates toward zero: -4
    Add(Particle(100, 100, -3, 2, 1));
    particleList.back()->rotgo = 5;
    UpdateParticles();
    auto it = particleList.begin();
    const icle& chip = **it++;
    const icle& edge = **it++;
    const icle& big = **it;
    EXPECT_EQ(chip.x, 10);
    EXPECT_EQ(chip.y, 9);
    EXPECT_EQ(chip.dy, -0.9f);
    EXPECT_EQ(edge.x, -4);
    EXPECT_EQ(edge.dy, 0.5f);
    EXPECT_EQ(big.x, 97);
    EXPECT_EQ(big.y, 102);
    EXPECT_EQ(big.dy, 2.5f);
    EXPECT_EQ(big.rot, 5);
    UpdateParticles();
    EXPECT_EQ(big.y, 104);
    EXPECT_EQ(big.rot, 10);
    EXPECT_EQ(chip.x, 10); // below one pixel a frame: it rises straight up
}

TEST_F(Effects, ParticlesLeaveTheScreenAndAreDrawnOnceMore) {
    const int w = virtualWidth, h = virtualHeight;
    struct Case {
        icle p;
        bool kept;
    };
    const Case cases[] = {
        {Particle(50, -16, 0, -1, 0.5f), false}, // a chip above the top
        {Particle(50, -15, 0, -1, 0.5f), true},
        {Particle(50, -40, 0, -1, 1), true}, // big pieces come back down
        {Particle(-16, 50, -1, 0, 1), false},
        {Particle(-15, 50, -1, 0, 1), true},
        {Particle(w + 16, 50, 1, 0, 1), false},
        {Particle(w + 15, 50, 1, 0, 1), true},
        {Particle(50, h + 16, 0, 1, 0.5f), false},
        {Particle(50, h + 15, 0, 1, 0.5f), true},
    };
    for (const Case& c : cases) {
        ClearGame();
        Add(c.p);
        ReclaimMemory();
        int draws = 0;
        UpdateParticles([&](const icle&) { draws++; });
        EXPECT_EQ(particleList.size(), c.kept ? 1u : 0u) << c.p.x << "," << c.p.y;
        EXPECT_EQ(draws, 1);
        EXPECT_EQ(ReclaimMemory(), c.kept ? 0 : 1); // the record is released after its last draw
    }
}

TEST_F(Effects, ParticlesAreUpdatedNewestFirstAndOnlyDrawableFramesDrawn) {
    CellAt(1, 1) = 2;
    ThrowGroupPieces(1, 1);
    CellAt(2, 1) = BashRefill;
    SeedRnd(1);
    for (int i = 0; i < 40; i++) ChipCell(2, 1); // item pieces of r = 16 are frame 256 and up
    std::vector<const icle*> order;
    UpdateParticles([&](const icle& p) { order.push_back(&p); });
    int undrawable = 0;
    for (const auto& p : particleList) undrawable += p->n >= 256;
    EXPECT_GT(undrawable, 0);
    ASSERT_EQ(order.size(), particleList.size() - undrawable);
    auto it = particleList.begin();
    for (const icle* drawn : order) {
        while ((*it)->n >= 256) ++it;
        EXPECT_EQ(drawn, it->get());
        ++it;
    }
    EXPECT_LT(particleList.back()->n, 128); // the oldest: the block pieces
}

TEST_F(Effects, PopupsRiseFadeAndGoAfterADrawAtAlphaZero) {
    totalScore = 10;
    AddScore(250, 400, 300, 255, 255, 0);
    AddScore(5, 10, 20, 1, 2, 3);
    EXPECT_EQ(totalScore, 265);
    ASSERT_EQ(popupList.size(), 2u);
    EXPECT_EQ(popupList.front()->t, 120);
    EXPECT_EQ(popupList.front()->n, 250);
    struct Drawn {
        int n, x, y;
        float alpha;
    };
    std::vector<Drawn> frames;
    ReclaimMemory();
    for (int frame = 0; frame < 121; frame++)
        UpdatePopups([&](const ore& p, int x, int y, float alpha) {
            if (p.n == 250) frames.push_back({p.n, x, y, alpha});
        });
    ASSERT_EQ(frames.size(), 120u);
    EXPECT_EQ(frames[0].y, 299); // 299.75 truncated
    EXPECT_FLOAT_EQ(frames[0].alpha, 119.0f / 120);
    EXPECT_EQ(frames[3].y, 299);
    EXPECT_EQ(frames[4].y, 298);
    EXPECT_EQ(frames[119].y, 270);
    EXPECT_EQ(frames[119].alpha, 0.0f);
    EXPECT_EQ(frames[119].x, 400);
    EXPECT_TRUE(popupList.empty());
    EXPECT_EQ(ReclaimMemory(), 2);
}

TEST_F(Effects, NoticesStackUpwardAndExpireAfterThreeSeconds) {
    const int h = virtualHeight;
    Notice("one", 1);
    for (int frame = 0; frame < 100; frame++) UpdateNotices();
    Notice("two", 1);
    Notice("three", 1);
    Notice("four", 1);
    EXPECT_EQ(noticeList.back()->c, 1);
    EXPECT_EQ(noticeList.back()->tick, 0);
    struct Line {
        std::string txt;
        int y;
        bool highlighted;
    };
    std::vector<Line> lines;
    auto frame = [&] {
        lines.clear();
        UpdateNotices([&](const ment& n, int y, bool lit) { lines.push_back({n.txt, y, lit}); });
    };
    frame();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].txt, "one");
    EXPECT_EQ(lines[0].y, h - 16);
    EXPECT_FALSE(lines[0].highlighted);
    EXPECT_EQ(lines[3].txt, "four");
    EXPECT_EQ(lines[3].y, h - 16 - 42);
    EXPECT_TRUE(lines[3].highlighted);
    // "one" reaches its 180th frame 79 frames later: drawn in it, then gone.
    for (int i = 0; i < 79; i++) frame();
    EXPECT_EQ(noticeList.size(), 3u);
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].txt, "one");
    frame();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].txt, "two");
    EXPECT_EQ(lines[0].y, h - 16);
    EXPECT_EQ(lines[2].y, h - 16 - 28);
}

TEST_F(Effects, NoticesAreHighlightedForTheirFirstFiftyNineFrames) {
    Notice("Saved Screenshot", 1);
    int lit = 0, shown = 0;
    for (int frame = 0; frame < 200; frame++)
        UpdateNotices([&](const ment&, int, bool highlighted) {
            shown++;
            lit += highlighted;
        });
    EXPECT_EQ(lit, 59);
    EXPECT_EQ(shown, 180);
}
