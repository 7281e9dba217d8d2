// Randomised checks of the rasterizer's invariants over thousands of shapes from fixed
// seeds: not-xor drawing undoes itself, nothing is written outside the clip, clipping does
// not move pixels, wide strokes touch each pixel once, and a line covers the same pixels
// as its reverse.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "ui/raster/Raster.h"

namespace {

using namespace ui::raster;

enum class Kind { Plot, FillRect, Line, Polyline, Polygon, Rectangle, Ellipse, Arc, Count };

struct Shape {
    Kind kind = Kind::Line;
    Pen pen;
    Brush brush;
    std::vector<Point> pts;  // corners and direction points as the primitive takes them

    std::string describe() const {
        std::string s = "kind " + std::to_string(static_cast<int>(kind)) + " width " + std::to_string(pen.width) +
                        (pen.style == PenStyle::Dot ? " dotted" : "") + (brush.solid ? " solid" : " clear") + " pts";
        for (const Point& p : pts) s += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
        return s;
    }
};

class Gen {
public:
    explicit Gen(uint32_t seed) : rng_(seed) {}

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    uint32_t colour() { return std::uniform_int_distribution<uint32_t>()(rng_); }

    // Mostly near a 64 x 48 surface, sometimes far away, huge or at the ends of int.
    int coord(bool allowHuge) {
        const int r = uniform(0, 99);
        if (!allowHuge || r < 80) return uniform(-15, 75);
        if (r < 88) return uniform(-1000000, 1000000);
        if (r < 95) return (uniform(0, 1) ? 1 : -1) * uniform(999999000, 1000000000);
        return uniform(0, 1) ? INT_MAX - uniform(0, 3) : INT_MIN + uniform(0, 3);
    }

    Shape shape(bool allowHuge, int minWidth = 1) {
        Shape s;
        s.kind = static_cast<Kind>(uniform(0, static_cast<int>(Kind::Count) - 1));
        s.pen.rgb = colour();
        s.pen.width = uniform(0, 1) ? std::max(1, minWidth) : uniform(std::max(2, minWidth), 20);
        s.pen.style = uniform(0, 3) == 0 ? PenStyle::Dot : PenStyle::Solid;
        s.brush = Brush{colour(), uniform(0, 1) == 0};
        int n = 2;
        if (s.kind == Kind::Plot) n = 1;
        if (s.kind == Kind::Polyline || s.kind == Kind::Polygon) n = uniform(1, 7);
        if (s.kind == Kind::Arc) n = 4;
        for (int i = 0; i < n; ++i) s.pts.push_back({coord(allowHuge), coord(allowHuge)});
        return s;
    }

private:
    std::mt19937 rng_;
};

void drawShape(Target& t, const Shape& s, PenMode mode) {
    Pen pen = s.pen;
    pen.mode = mode;
    const auto& p = s.pts;
    switch (s.kind) {
        case Kind::Plot: plot(t, p[0].x, p[0].y, pen.rgb, mode); break;
        case Kind::FillRect: fillRect(t, Rect{p[0].x, p[0].y, p[1].x, p[1].y}, pen.rgb, mode); break;
        case Kind::Line: line(t, pen, s.brush, p[0].x, p[0].y, p[1].x, p[1].y); break;
        case Kind::Polyline: polyline(t, pen, s.brush, p.data(), static_cast<int>(p.size())); break;
        case Kind::Polygon: polygon(t, pen, s.brush, p.data(), static_cast<int>(p.size())); break;
        case Kind::Rectangle: rectangle(t, pen, s.brush, p[0].x, p[0].y, p[1].x, p[1].y); break;
        case Kind::Ellipse: ellipse(t, pen, s.brush, p[0].x, p[0].y, p[1].x, p[1].y); break;
        case Kind::Arc:
            arc(t, pen, s.brush, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y);
            break;
        case Kind::Count: break;
    }
}

Bitmap noise(int w, int h, uint32_t seed) {
    Bitmap b(w, h);
    std::mt19937 rng(seed);
    for (uint32_t& p : b.pixels) p = 0xFF000000u | (rng() & 0xFFFFFFu);
    return b;
}

// ---------------------------------------------------------------------------------------

TEST(RasterProperty, NotXorTwiceRestoresAndNothingLeavesTheClip) {
    Bitmap bmp = noise(64, 48, 7);
    const Rect clip{5, 4, 50, 37};
    Target t(bmp, 3, -2, clip);
    Gen gen(12345);
    for (int i = 0; i < 4000; ++i) {
        const Shape s = gen.shape(true);
        const Bitmap before = bmp;
        drawShape(t, s, PenMode::NotXor);
        for (int y = 0; y < bmp.height; ++y)
            for (int x = 0; x < bmp.width; ++x)
                if (!clip.contains(x, y)) {
                    ASSERT_EQ(bmp.at(x, y), before.at(x, y))
                        << "outside the clip at " << x << "," << y << ": " << s.describe();
                }
        drawShape(t, s, PenMode::NotXor);
        ASSERT_TRUE(bmp == before) << "second drawing did not restore: " << s.describe();
    }
}

TEST(RasterProperty, ClippingDoesNotMoveAnyPixel) {
    // The same shape through a small clip equals the unclipped drawing cut to that clip:
    // line steps, dot phases and stroke rows do not depend on where drawing starts.
    Gen gen(777);
    const Rect clip{9, 7, 41, 30};
    for (int i = 0; i < 3000; ++i) {
        Shape s = gen.shape(true);
        // Dot patterns of very large ellipses start at the first visible pixel; keep those moderate.
        if ((s.kind == Kind::Ellipse || s.kind == Kind::Arc) && s.pen.style == PenStyle::Dot)
            for (Point& p : s.pts) p = {std::clamp(p.x, -3000, 3000), std::clamp(p.y, -3000, 3000)};
        Bitmap full = noise(56, 40, 99), cut = full;
        const Bitmap background = full;
        Target tf(full, -4, 2, Rect{0, 0, 56, 40});
        Target tc(cut, -4, 2, clip);
        drawShape(tf, s, PenMode::Copy);
        drawShape(tc, s, PenMode::Copy);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 56; ++x)
                ASSERT_EQ(cut.at(x, y), clip.contains(x, y) ? full.at(x, y) : background.at(x, y))
                    << "at " << x << "," << y << ": " << s.describe();
    }
}

TEST(RasterProperty, WideStrokesAndFillsTouchEachPixelOnce) {
    // Drawn in copy mode, every painted pixel shows the pen or the brush colour; drawn in
    // not-xor over black, the same pixels must show that colour's complement. A pixel hit
    // twice would come back black (or mix both colours).
    constexpr uint32_t kBlack = 0xFF000000u, kPen = 0xFF3060C0u, kBrush = 0xFFA0C010u;
    const auto inv = [](uint32_t c) { return 0xFF000000u | (~c & 0xFFFFFFu); };
    Gen gen(4242);
    for (int i = 0; i < 3000; ++i) {
        Shape s = gen.shape(i % 5 != 0, 2);
        s.pen.rgb = kPen;
        s.brush.rgb = kBrush;
        if (s.kind == Kind::Plot) continue;
        // With a 1-pixel pen only these shapes promise single coverage (no overlapping segments).
        const bool thin = s.pen.width == 1;
        if (thin) {
            if (s.kind == Kind::Polyline || s.kind == Kind::Polygon || s.kind == Kind::Arc) s.pen.width = 2;
            if (s.kind == Kind::Ellipse) s.pen.style = PenStyle::Solid;
        }
        // The outline of a 1-pixel ellipse is drawn over its fill: those pixels get both.
        const bool layered = s.pen.width == 1 && s.kind == Kind::Ellipse && s.brush.solid;
        Bitmap copy(40, 32), nx(40, 32);
        Target tc(copy, 0, 0, Rect{2, 2, 38, 30}), tn(nx, 0, 0, Rect{2, 2, 38, 30});
        drawShape(tc, s, PenMode::Copy);
        drawShape(tn, s, PenMode::NotXor);
        for (size_t k = 0; k < copy.pixels.size(); ++k) {
            const uint32_t c = copy.pixels[k], n = nx.pixels[k];
            if (c == kBlack) {
                ASSERT_EQ(n, kBlack) << s.describe();
            } else if (c == kPen) {
                const bool ok = n == inv(kPen) || (layered && n == (0xFF000000u | ((kPen ^ kBrush) & 0xFFFFFFu)));
                ASSERT_TRUE(ok) << "pixel " << k << " " << std::hex << n << " " << s.describe();
            } else {
                ASSERT_EQ(c, kBrush) << s.describe();
                ASSERT_EQ(n, inv(kBrush)) << "pixel " << k << " " << s.describe();
            }
        }
    }
}

TEST(RasterProperty, LineAndItsReverseCoverTheSamePixels) {
    Gen gen(31337);
    const Rect clip{3, 2, 60, 45};
    for (int i = 0; i < 3000; ++i) {
        const Point a{gen.coord(true), gen.coord(true)}, b{gen.coord(true), gen.coord(true)};
        const Pen pen{0xFFFFFFFFu, 1, PenStyle::Solid, PenMode::Copy};
        const Brush brush{0, false};
        Bitmap fwd(64, 48), rev(64, 48);
        Target tf(fwd, 0, 0, clip), tr(rev, 0, 0, clip);
        line(tf, pen, brush, a.x, a.y, b.x, b.y);
        plot(tf, b.x, b.y, pen.rgb, PenMode::Copy);
        line(tr, pen, brush, b.x, b.y, a.x, a.y);
        plot(tr, a.x, a.y, pen.rgb, PenMode::Copy);
        ASSERT_TRUE(fwd == rev) << "(" << a.x << "," << a.y << ") - (" << b.x << "," << b.y << ")";
    }
}

TEST(RasterProperty, HugeShapesCostNoMoreThanTheirVisiblePart) {
    // Shapes spanning a billion pixels must be clipped before any stepping; if any primitive
    // walked its whole extent this would take minutes rather than milliseconds.
    Bitmap bmp(320, 240);
    Target t(bmp);
    Gen gen(2024);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 400; ++i) {
        Shape s = gen.shape(false);
        for (Point& p : s.pts)
            p = {(gen.uniform(0, 1) ? 1 : -1) * gen.uniform(0, 1000000000), gen.uniform(-1000000000, 1000000000)};
        if (i % 4 == 0) s.pen.width = gen.uniform(1, 1000000000);
        drawShape(t, s, i % 2 ? PenMode::NotXor : PenMode::Copy);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 20.0);
}

}  // namespace
