// Exact pixel cases for every rasterizer primitive and rule.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ui/raster/Raster.h"

namespace {

using namespace ui::raster;

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kPen = 0xFFFF0000u;    // '#'
constexpr uint32_t kBrush = 0xFF00FF00u;  // 'o'

const Brush kClear{0xFFFFFFFFu, false};
const Brush kSolid{kBrush, true};

Pen pen(int width = 1, PenStyle style = PenStyle::Solid, PenMode mode = PenMode::Copy, uint32_t rgb = kPen) {
    return Pen{rgb, width, style, mode};
}

// The bitmap as text, one line per row: '.' black, '#' pen, 'o' brush, '?' anything else,
// unless `extra` names the colour.
std::string ascii(const Bitmap& b, const std::map<uint32_t, char>& extra = {}) {
    std::string s;
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            const uint32_t p = b.at(x, y);
            if (auto it = extra.find(p); it != extra.end())
                s += it->second;
            else
                s += p == kBlack ? '.' : p == kPen ? '#' : p == kBrush ? 'o' : '?';
        }
        s += '\n';
    }
    return s;
}

std::string rows(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += std::string(l) + '\n';
    return s;
}

// Colours after not-xor drawing over black: pen only, brush only, brush then pen.
uint32_t notXorOverBlack(uint32_t c) { return kBlack | (~c & 0xFFFFFFu); }
const std::map<uint32_t, char> kNotXorLegend{{notXorOverBlack(kPen), 'p'},
                                             {notXorOverBlack(kBrush), 'f'},
                                             {kBlack | ((kPen ^ kBrush) & 0xFFFFFFu), 'b'}};

// ---------------------------------------------------------------------------------------

TEST(RasterRect, IntersectUniteAndEmpty) {
    const Rect a{0, 0, 10, 10}, b{5, 3, 20, 8};
    EXPECT_EQ(a.intersected(b), (Rect{5, 3, 10, 8}));
    EXPECT_TRUE(a.intersects(b));
    EXPECT_TRUE(a.intersected(Rect{10, 0, 12, 5}).empty());  // touching edges do not overlap
    EXPECT_FALSE(a.intersects(Rect{10, 0, 12, 5}));
    EXPECT_EQ(a.united(b), (Rect{0, 0, 20, 10}));
    EXPECT_EQ(a.united(Rect{50, 50, 50, 60}), a);  // empty operand ignored
    EXPECT_EQ(Rect{}.united(b), b);
    EXPECT_TRUE((Rect{3, 3, 3, 9}).empty());
    EXPECT_TRUE((Rect{3, 3, 1, 9}).empty());
    EXPECT_TRUE(a.contains(0, 9));
    EXPECT_FALSE(a.contains(10, 9));
}

TEST(RasterPixels, BitmapAndCopyForceOpaqueTopByte) {
    Bitmap b(3, 2, 0x00123456u);
    for (uint32_t p : b.pixels) EXPECT_EQ(p, 0xFF123456u);
    Target t(b);
    plot(t, 1, 1, 0x00ABCDEFu, PenMode::Copy);
    EXPECT_EQ(b.at(1, 1), 0xFFABCDEFu);
    fillRect(t, Rect{0, 0, 1, 1}, 0x7F010203u, PenMode::Copy);
    EXPECT_EQ(b.at(0, 0), 0xFF010203u);
}

TEST(RasterPixels, NotXorIsComplementOfXorAndUndoesItself) {
    Bitmap b(2, 1, 0xFF102030u);
    b.at(1, 0) = 0x00102030u;  // a stray top byte is masked as well
    Target t(b);
    plot(t, 0, 0, 0x00F0F0F0u, PenMode::NotXor);
    plot(t, 1, 0, 0xFFF0F0F0u, PenMode::NotXor);
    EXPECT_EQ(b.at(0, 0), 0xFF1F2F3Fu);  // ~(F0F0F0 ^ 102030) = 1F2F3F
    EXPECT_EQ(b.at(1, 0), 0xFF1F2F3Fu);
    plot(t, 0, 0, 0xFFF0F0F0u, PenMode::NotXor);
    EXPECT_EQ(b.at(0, 0), 0xFF102030u);
    fillRect(t, Rect{0, 0, 2, 1}, 0xFF000000u, PenMode::NotXor);  // black pen inverts
    EXPECT_EQ(b.at(0, 0), 0xFFEFDFCFu);
}

TEST(RasterPixels, OriginAndClipApplyToEveryWrite) {
    Bitmap b(8, 6);
    Target t(b, 2, 1, Rect{1, 1, 6, 4});
    plot(t, 0, 0, kPen, PenMode::Copy);   // lands on (2, 1)
    plot(t, -2, 0, kPen, PenMode::Copy);  // (0, 1): outside the clip
    plot(t, 3, 2, kPen, PenMode::Copy);   // (5, 3)
    plot(t, 4, 2, kPen, PenMode::Copy);   // (6, 3): outside
    fillRect(t, Rect{-10, 2, 100, 100}, kBrush, PenMode::Copy);  // rows 3.. clipped to row 3
    EXPECT_EQ(ascii(b), rows({"........",
                              "..#.....",
                              "........",
                              ".ooooo..",
                              "........",
                              "........"}));
    // A clip reaching outside the bitmap is cut to it.
    Target big(b, 0, 0, Rect{-5, -5, 50, 50});
    EXPECT_EQ(big.clip, (Rect{0, 0, 8, 6}));
}

// ---------------------------------------------------------------------------------------

TEST(RasterLine, StartPixelInEndPixelOut) {
    Bitmap b(8, 4);
    Target t(b);
    line(t, pen(), kClear, 1, 1, 5, 1);
    line(t, pen(), kClear, 6, 3, 2, 3);
    line(t, pen(), kClear, 7, 0, 7, 0);  // zero length: nothing
    EXPECT_EQ(ascii(b), rows({"........",
                              ".####...",
                              "........",
                              "...####."}));
}

TEST(RasterLine, HalfwayTiesGoToTheSmallerMinorCoordinate) {
    Bitmap b(12, 8);
    Target t(b);
    line(t, pen(), kClear, 1, 1, 9, 3);  // y = 1.5 at x = 3 and y = 2.5 at x = 7
    EXPECT_EQ(ascii(b), rows({"............",
                              ".###........",
                              "....####....",
                              "........#...",
                              "............",
                              "............",
                              "............",
                              "............"}));
    Bitmap c(12, 8);
    Target u(c);
    line(u, pen(), kClear, 9, 3, 1, 1);  // the reverse covers the same pixels but its own end
    EXPECT_EQ(ascii(c), rows({"............",
                              "..##........",
                              "....####....",
                              "........##..",
                              "............",
                              "............",
                              "............",
                              "............"}));
    Bitmap d(4, 6);
    Target v(d);
    line(v, pen(), kClear, 0, 0, 1, 4);  // y-major: x = 0.5 at y = 2 goes left
    line(v, pen(), kClear, 3, 5, 3, 5);
    EXPECT_EQ(ascii(d), rows({"#...", "#...", "#...", ".#..", "....", "...."}));
}

TEST(RasterLine, DiagonalsAndAllOctantsStepOnePixelPerMajorStep) {
    const int dirs[8][2] = {{7, 3}, {3, 7}, {-3, 7}, {-7, 3}, {-7, -3}, {-3, -7}, {3, -7}, {7, -3}};
    for (const auto& d : dirs) {
        Bitmap b(21, 21);
        Target t(b);
        line(t, pen(), kClear, 10, 10, 10 + d[0], 10 + d[1]);
        int count = 0;
        for (uint32_t p : b.pixels) count += p == kPen;
        EXPECT_EQ(count, 7) << d[0] << "," << d[1];
        EXPECT_EQ(b.at(10, 10), kPen);
        EXPECT_EQ(b.at(10 + d[0], 10 + d[1]), kBlack);
    }
    Bitmap b(5, 5);
    Target t(b);
    line(t, pen(), kClear, 4, 0, 0, 4);
    EXPECT_EQ(ascii(b), rows({"....#", "...#.", "..#..", ".#...", "....."}));
}

TEST(RasterLine, HugeCoordinatesKeepTheExactPixels) {
    Bitmap b(16, 3);
    Target t(b);
    // y = 0.5 exactly at x = 0 (a tie, so row 0), just above 0.5 for every x > 0.
    line(t, pen(), kClear, -1000000000, 0, 1000000000, 1);
    EXPECT_EQ(ascii(b), rows({"#...............", ".###############", "................"}));

    Bitmap c(6, 6);
    Target u(c, 0, 0, Rect{1, 1, 5, 5});
    line(u, pen(), kClear, -1000000000, -1000000000, 1000000000, 1000000000);
    line(u, pen(), kClear, 2147483647, 5 - 2147483647, 5 - 2147483647, 2147483647);  // x + y = 5
    EXPECT_EQ(ascii(c), rows({"......", ".#..#.", "..##..", "..##..", ".#..#.", "......"}));
}

TEST(RasterLine, DottedPenThreeOnThreeOffRestartingEachCall) {
    Bitmap b(16, 3);
    Target t(b);
    line(t, pen(1, PenStyle::Dot), kClear, 0, 0, 14, 0);
    line(t, pen(1, PenStyle::Dot), kClear, 0, 1, 5, 1);  // a second call starts "on" again
    line(t, pen(1, PenStyle::Dot), kClear, 5, 2, 10, 2);
    EXPECT_EQ(ascii(b), rows({"###...###...##..",
                              "###.............",
                              ".....###........"}));
}

TEST(RasterLine, DottedGapsTakeTheSolidBrushColour) {
    Bitmap b(10, 2, 0xFF0000FFu);
    Target t(b);
    line(t, pen(1, PenStyle::Dot), kSolid, 0, 0, 10, 0);
    line(t, pen(1, PenStyle::Dot), kClear, 0, 1, 10, 1);
    EXPECT_EQ(ascii(b, {{0xFF0000FFu, '_'}}), rows({"###ooo###o", "###___###_"}));
    // In not-xor mode the gaps go through the mode with the brush colour.
    Bitmap c(6, 1);
    Target u(c);
    line(u, pen(1, PenStyle::Dot, PenMode::NotXor), kSolid, 0, 0, 6, 0);
    EXPECT_EQ(ascii(c, kNotXorLegend), "pppfff\n");
}

TEST(RasterLine, WidePensAreRoundCappedAndExactlyWide) {
    Bitmap b(12, 8);
    Target t(b);
    line(t, pen(3), kClear, 2, 5, 8, 5);  // odd width: centred on the pixel row
    EXPECT_EQ(ascii(b), rows({"............",
                              "............",
                              "............",
                              "............",
                              ".#########..",
                              ".#########..",
                              ".#########..",
                              "............"}));
    Bitmap c(12, 8);
    Target u(c);
    line(u, pen(4), kClear, 2, 5, 8, 5);  // even width: one more row above than below
    EXPECT_EQ(ascii(c), rows({"............",
                              "............",
                              "............",
                              ".########...",
                              "##########..",
                              "##########..",
                              ".########...",
                              "............"}));
    Bitmap d(10, 9);
    Target v(d);
    line(v, pen(5), kClear, 4, 4, 4, 5);  // a short stroke shows the round caps
    EXPECT_EQ(ascii(d), rows({"..........",
                              "..........",
                              "...###....",
                              "..#####...",
                              "..#####...",
                              "..#####...",
                              "..#####...",
                              "...###....",
                              ".........."}));
    line(v, pen(5), kClear, 1, 1, 1, 1);  // zero length: nothing
    EXPECT_EQ(d.at(1, 1), kBlack);
}

// ---------------------------------------------------------------------------------------

TEST(RasterRectangle, ExcludesRightAndBottomEdgeFillInside) {
    Bitmap b(5, 5);
    Target t(b);
    rectangle(t, pen(), kSolid, 0, 0, 3, 3);
    EXPECT_EQ(ascii(b), rows({"###..", "#o#..", "###..", ".....", "....."}));
    Bitmap c(5, 5);
    Target u(c);
    rectangle(u, pen(), kSolid, 3, 3, 0, 0);  // corners in either order
    EXPECT_EQ(c, b);
    rectangle(u, pen(), kSolid, 4, 0, 4, 5);  // zero width: nothing
    rectangle(u, pen(), kSolid, 3, 4, 5, 5);  // one row high: a line
    EXPECT_EQ(ascii(c), rows({"###..", "#o#..", "###..", ".....", "...##"}));
}

TEST(RasterRectangle, NotXorOutlineAndFillAreDisjoint) {
    Bitmap b(5, 4);
    Target t(b);
    rectangle(t, pen(1, PenStyle::Solid, PenMode::NotXor), kSolid, 0, 0, 5, 4);
    EXPECT_EQ(ascii(b, kNotXorLegend), rows({"ppppp", "pfffp", "pfffp", "ppppp"}));
}

TEST(RasterRectangle, DottedOutlineRunsClockwiseFromTopLeft) {
    Bitmap b(5, 4);
    Target t(b);
    rectangle(t, pen(1, PenStyle::Dot), kClear, 0, 0, 5, 4);
    // Outline order: top row left to right, right column down, bottom row leftwards, left column up.
    EXPECT_EQ(ascii(b), rows({"###..", "#....", "#...#", "...##"}));
}

TEST(RasterRectangle, WidePenCentredOnOutlineFillStopsAtStroke) {
    Bitmap b(14, 9);
    Target t(b);
    rectangle(t, pen(3), kSolid, 1, 1, 12, 7);  // outline path through pixels 1..11, 1..6
    EXPECT_EQ(ascii(b), rows({"#############.",
                              "#############.",
                              "#############.",
                              "###ooooooo###.",
                              "###ooooooo###.",
                              "#############.",
                              "#############.",
                              "#############.",
                              ".............."}));
    Bitmap c(16, 10);
    Target u(c);
    rectangle(u, pen(4, PenStyle::Solid, PenMode::NotXor), kSolid, 2, 2, 13, 8);  // path on corners
    EXPECT_EQ(ascii(c, kNotXorLegend), rows({".pppppppppppp...",
                                             "pppppppppppppp..",
                                             "pppppppppppppp..",
                                             "pppppppppppppp..",
                                             "ppppffffffpppp..",
                                             "pppppppppppppp..",
                                             "pppppppppppppp..",
                                             "pppppppppppppp..",
                                             ".pppppppppppp...",
                                             "................"}));
}

// ---------------------------------------------------------------------------------------

TEST(RasterEllipse, InscribedInTheBoxOutlineOverFill) {
    Bitmap b(7, 7);
    Target t(b);
    ellipse(t, pen(), kSolid, 1, 1, 6, 6);
    EXPECT_EQ(ascii(b), rows({".......",
                              "..###..",
                              ".#ooo#.",
                              ".#ooo#.",
                              ".#ooo#.",
                              "..###..",
                              "......."}));
    Bitmap c(13, 8);
    Target u(c);
    ellipse(u, pen(), kSolid, 12, 8, 1, 1);  // corners in either order
    EXPECT_EQ(ascii(c), rows({".............",
                              "....#####....",
                              "..##ooooo##..",
                              ".#ooooooooo#.",
                              ".#ooooooooo#.",
                              ".#ooooooooo#.",
                              "..##ooooo##..",
                              "....#####...."}));
    // Not-xor: the outline pixels get brush and pen, the inside the brush only.
    Bitmap d(7, 7);
    Target v(d);
    ellipse(v, pen(1, PenStyle::Solid, PenMode::NotXor), kSolid, 1, 1, 6, 6);
    EXPECT_EQ(ascii(d, kNotXorLegend), rows({".......",
                                             "..bbb..",
                                             ".bfffb.",
                                             ".bfffb.",
                                             ".bfffb.",
                                             "..bbb..",
                                             "......."}));
}

TEST(RasterEllipse, RegionFitsTheBoxExactlyAndIsSymmetricForAllSmallSizes) {
    for (int w = 1; w <= 24; ++w) {
        for (int h = 1; h <= 24; ++h) {
            Bitmap b(30, 30);
            Target t(b);
            ellipse(t, pen(), kSolid, 3, 2, 3 + w, 2 + h);
            int minX = 99, maxX = -1, minY = 99, maxY = -1;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x) {
                    const uint32_t p = b.at(x, y);
                    if (p == kBlack) continue;
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
                    minY = std::min(minY, y), maxY = std::max(maxY, y);
                    // Mirror images inside the box are the same.
                    ASSERT_EQ(p, b.at(3 + 3 + w - 1 - x, y)) << w << "x" << h;
                    ASSERT_EQ(p, b.at(x, 2 + 2 + h - 1 - y)) << w << "x" << h;
                    // Outline pixels border the outside, brush pixels do not.
                    const bool border = b.at(x - 1, y) == kBlack || b.at(x + 1, y) == kBlack ||
                                        b.at(x, y - 1) == kBlack || b.at(x, y + 1) == kBlack;
                    ASSERT_EQ(p == kPen, border) << w << "x" << h << " at " << x << "," << y;
                }
            EXPECT_EQ(minX, 3);
            EXPECT_EQ(maxX, 3 + w - 1);
            EXPECT_EQ(minY, 2);
            EXPECT_EQ(maxY, 2 + h - 1);
        }
    }
}

TEST(RasterEllipse, WidePenRingCentredOnTheOutlineFillInside) {
    Bitmap b(13, 13);
    Target t(b);
    ellipse(t, pen(3), kSolid, 1, 1, 12, 12);  // the 1-pixel outline would run through 1..11
    EXPECT_EQ(ascii(b), rows({"....#####....",
                              "..#########..",
                              ".###########.",
                              ".####ooo####.",
                              "####ooooo####",
                              "###ooooooo###",
                              "###ooooooo###",
                              "###ooooooo###",
                              "####ooooo####",
                              ".####ooo####.",
                              ".###########.",
                              "..#########..",
                              "....#####...."}));
    // A pen wider than the ellipse leaves no fill.
    Bitmap c(12, 12);
    Target u(c);
    ellipse(u, pen(9, PenStyle::Solid, PenMode::NotXor), kSolid, 4, 4, 8, 8);
    for (uint32_t p : c.pixels) EXPECT_TRUE(p == kBlack || p == notXorOverBlack(kPen));
}

TEST(RasterEllipse, DottedOutlineRunsOnFromTheRightCounterClockwise) {
    Bitmap b(9, 9);
    Target t(b);
    ellipse(t, pen(1, PenStyle::Dot), kClear, 0, 0, 9, 9);
    // The 5-pixel-high right side starts at the centre row going up.
    EXPECT_EQ(b.at(8, 4), kPen);
    EXPECT_EQ(b.at(8, 3), kPen);
    EXPECT_EQ(b.at(8, 2), kPen);
    int on = 0, total = 0;
    Bitmap full(9, 9);
    Target u(full);
    ellipse(u, pen(), kClear, 0, 0, 9, 9);
    for (size_t i = 0; i < b.pixels.size(); ++i) {
        total += full.pixels[i] == kPen;
        on += b.pixels[i] == kPen;
        EXPECT_FALSE(b.pixels[i] == kPen && full.pixels[i] != kPen);
    }
    EXPECT_EQ(on, (total / 6) * 3 + std::min(total % 6, 3));
}

// ---------------------------------------------------------------------------------------

TEST(RasterArc, SameDirectionsGiveTheFullEllipse) {
    Bitmap a(24, 20), b(24, 20);
    Target ta(a), tb(b);
    arc(ta, pen(), kSolid, 2, 3, 21, 17, 30, 1, 67, -17);  // same ray from the centre
    ellipse(tb, pen(), kClear, 2, 3, 21, 17);
    EXPECT_EQ(a, b);
    arc(ta, pen(6), kSolid, 2, 3, 21, 17, 5, 5, -8, -5);
    ellipse(tb, pen(6), kClear, 2, 3, 21, 17);
    EXPECT_EQ(a, b);
}

TEST(RasterArc, CounterClockwiseOnScreen) {
    // Centre (11.5, 11.5): from the right to the left through the top.
    Bitmap up(24, 24);
    Target tu(up);
    arc(tu, pen(), kClear, 2, 2, 21, 21, 22, 11, 1, 11);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            if (up.at(x, y) == kPen) {
                EXPECT_LE(y, 11) << x << "," << y;
            }
    EXPECT_EQ(up.at(11, 2), kPen);  // top of the circle
    EXPECT_EQ(up.at(2, 11), kBlack);

    // Swapping the directions draws the other part; both together are the full outline.
    Bitmap down(24, 24);
    Target td(down);
    arc(td, pen(), kClear, 2, 2, 21, 21, 1, 11, 22, 11);
    EXPECT_EQ(down.at(11, 20), kPen);
    EXPECT_EQ(down.at(11, 2), kBlack);
    arc(td, pen(), kClear, 2, 2, 21, 21, 22, 11, 1, 11);
    Bitmap full(24, 24);
    Target tf(full);
    ellipse(tf, pen(), kClear, 2, 2, 21, 21);
    EXPECT_EQ(down, full);

    // Three quarters: from straight up, counter-clockwise, to the right.
    Bitmap q(24, 24);
    Target tq(q);
    arc(tq, pen(), kClear, 2, 2, 21, 21, 11, -50, 90, 11);
    EXPECT_EQ(q.at(2, 11), kPen);    // left
    EXPECT_EQ(q.at(11, 20), kPen);   // bottom
    EXPECT_EQ(full.at(14, 2), kPen);
    EXPECT_EQ(q.at(14, 2), kBlack);  // upper right quadrant is left out
}

TEST(RasterArc, WideArcHasRoundCapsAndPaintsOnce) {
    Bitmap b(18, 12);
    Target t(b);
    arc(t, pen(5, PenStyle::Solid, PenMode::NotXor), kSolid, 2, 2, 15, 15, 20, 8, -5, 8);
    EXPECT_EQ(ascii(b, kNotXorLegend), rows({"......ppppp.......",
                                             "....ppppppppp.....",
                                             "..ppppppppppppp...",
                                             "..ppppppppppppp...",
                                             ".ppppppppppppppp..",
                                             ".pppppp...pppppp..",
                                             "pppppp.....pppppp.",
                                             "ppppp.......ppppp.",
                                             "ppppp.......ppppp.",
                                             "ppppp.......ppppp.",
                                             ".ppp.........ppp..",
                                             ".................."}));
}

// ---------------------------------------------------------------------------------------

TEST(RasterPolygon, OutlineFollowsLineToFillIsHalfOpen) {
    // Fill covers 0..3 (left and top in, right and bottom out); the closed outline of
    // LineTo segments covers 0..4. Not-xor shows which pixels got brush, pen or both.
    Bitmap b(6, 6);
    Target t(b);
    const Point sq[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    polygon(t, pen(1, PenStyle::Solid, PenMode::NotXor), kSolid, sq, 4);
    EXPECT_EQ(ascii(b, kNotXorLegend), rows({"bbbbp.",
                                             "bfffp.",
                                             "bfffp.",
                                             "bfffp.",
                                             "ppppp.",
                                             "......"}));
    Bitmap c(6, 6);
    Target u(c);
    const Point tri[] = {{0, 0}, {4, 0}, {0, 4}};
    polygon(u, pen(1, PenStyle::Solid, PenMode::NotXor), kSolid, tri, 3);
    EXPECT_EQ(ascii(c, kNotXorLegend), rows({"bbbbp.",
                                             "bffp..",
                                             "bfp...",
                                             "bp....",
                                             "p.....",
                                             "......"}));
}

TEST(RasterPolygon, EvenOddLeavesHoles) {
    Bitmap b(12, 12);
    Target t(b);
    const Point ring[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {3, 3}, {7, 3}, {7, 7}, {3, 7}, {3, 3}};
    polygon(t, pen(), kSolid, ring, 10);
    EXPECT_EQ(b.at(5, 5), kBlack);  // inside both squares
    EXPECT_EQ(b.at(5, 8), kBrush);  // between them
    EXPECT_EQ(b.at(1, 5), kBrush);
    EXPECT_EQ(b.at(11, 5), kBlack);
}

TEST(RasterPolygon, WidePenStrokeIsOneRegionFillStopsAtIt) {
    Bitmap b(16, 16);
    Target t(b);
    const Point tri[] = {{1, 1}, {14, 3}, {3, 14}};
    polygon(t, pen(3, PenStyle::Solid, PenMode::NotXor), kSolid, tri, 3);
    int fill = 0;
    for (uint32_t p : b.pixels) {
        EXPECT_TRUE(p == kBlack || p == notXorOverBlack(kPen) || p == notXorOverBlack(kBrush));
        fill += p == notXorOverBlack(kBrush);
    }
    EXPECT_GT(fill, 20);
    EXPECT_EQ(b.at(5, 5), notXorOverBlack(kBrush));
    EXPECT_EQ(b.at(1, 1), notXorOverBlack(kPen));  // the corner itself is stroked
}

TEST(RasterPolyline, ThinLeavesOutLastPixelDotsRunOnAcrossSegments) {
    Bitmap b(8, 6);
    Target t(b);
    const Point pts[] = {{0, 0}, {4, 0}, {4, 5}};
    polyline(t, pen(1, PenStyle::Dot), kClear, pts, 3);
    EXPECT_EQ(ascii(b), rows({"###.....",  // indices 0 1 2 | 3 on x = 3 off
                              "........",  // 5 off
                              "....#...",  // 6..8 on
                              "....#...",
                              "....#...",
                              "........"}));
    Bitmap c(8, 6);
    Target u(c);
    polyline(u, pen(), kClear, pts, 3);
    EXPECT_EQ(c.at(4, 4), kPen);
    EXPECT_EQ(c.at(4, 5), kBlack);  // last point left out
    EXPECT_EQ(c.at(4, 0), kPen);    // joint drawn once, as start of the second segment
}

// ---------------------------------------------------------------------------------------

TEST(RasterDraw, CopiesClippedWithOrigin) {
    Bitmap src(3, 2);
    for (int i = 0; i < 6; ++i) src.pixels[i] = 0x00000001u + i;  // top byte forced on copy
    Bitmap b(5, 4);
    Target t(b, 1, 1, Rect{0, 0, 4, 4});
    draw(t, 1, 1, src);  // lands at (2, 2), last column clipped away
    EXPECT_EQ(b.at(2, 2), 0xFF000001u);
    EXPECT_EQ(b.at(3, 2), 0xFF000002u);
    EXPECT_EQ(b.at(4, 2), kBlack);
    EXPECT_EQ(b.at(3, 3), 0xFF000005u);
    draw(t, -3, -2, src);  // at (-2, -1): only source pixel (2, 1) lands, on (0, 0)
    EXPECT_EQ(b.at(0, 0), 0xFF000006u);
    EXPECT_EQ(b.at(1, 0), kBlack);
}

TEST(RasterDraw, StretchIsNearestNeighbour) {
    Bitmap src(2, 2);
    src.pixels = {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u};
    Bitmap b(4, 4);
    Target t(b);
    stretchDraw(t, Rect{0, 0, 4, 4}, src);
    const std::vector<uint32_t> up{1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4};
    for (size_t i = 0; i < 16; ++i) EXPECT_EQ(b.pixels[i], 0xFF000000u | up[i]) << i;

    Bitmap big(4, 1);
    big.pixels = {0xFF00000Au, 0xFF00000Bu, 0xFF00000Cu, 0xFF00000Du};
    Bitmap c(3, 1);
    Target u(c, 0, 0, Rect{0, 0, 2, 1});
    stretchDraw(u, Rect{0, 0, 2, 1}, big);  // each cell samples its centre: source 1 and 3
    EXPECT_EQ(c.at(0, 0), 0xFF00000Bu);
    EXPECT_EQ(c.at(1, 0), 0xFF00000Du);
    stretchDraw(u, Rect{1, 0, 3, 1}, big);  // clipped: only its first cell shows
    EXPECT_EQ(c.at(1, 0), 0xFF00000Bu);
    EXPECT_EQ(c.at(2, 0), kBlack);
    stretchDraw(u, Rect{1, 0, 1, 1}, big);  // empty destination: nothing
    EXPECT_EQ(c.at(1, 0), 0xFF00000Bu);
}

}  // namespace
