// Ellipses and arcs.
//
// The ellipse of the box (x1, y1)-(x2, y2) (right and bottom edge excluded) is the one
// inscribed in the box: centre at the box centre, half-axes half the box's width and
// height. Its region is the set of pixels whose centres lie inside it, widened where thin
// shapes would lose their ends: the middle row(s) span the whole box width and every row
// keeps at least its middle pixel(s). So the region reaches every column and row of the
// box and no further. The 1-pixel outline is the region's border: the pixels of the region
// with a horizontal or vertical neighbour outside it.
//
// A wider pen of width w strokes the path ellipse through the centres of the box's outer
// pixels (half-axes (W-1)/2 and (H-1)/2): the stroke is the ring between the ellipses with
// half-axes enlarged and reduced by w/2 (outer one included, inner one excluded), and the
// fill is the inside of the inner ellipse, so no pixel is painted twice.
#include "ui/raster/Detail.h"

namespace ui::raster {

using namespace detail;

namespace {

// Outline pixels are put into drawing order (for dot patterns) exactly when the box is at
// most this large; larger ellipses count their dots from the first visible outline pixel.
constexpr i64 kOrderLimit = i64{1} << 16;

struct Geom {
    i64 l = 0, t = 0, r = 0, b = 0;  // bitmap coordinates, l < r, t < b
    i64 W = 0, H = 0;
    i64 cx2 = 0, cy2 = 0;  // doubled centre
};

bool geometry(const Surface& s, int x1, int y1, int x2, int y2, Geom& g) {
    const i64 a = clampCoord(x1 + s.ox), c = clampCoord(x2 + s.ox);
    const i64 b = clampCoord(y1 + s.oy), d = clampCoord(y2 + s.oy);
    g.l = std::min(a, c);
    g.r = std::max(a, c);
    g.t = std::min(b, d);
    g.b = std::max(b, d);
    if (g.l == g.r || g.t == g.b) return false;
    g.W = g.r - g.l;
    g.H = g.b - g.t;
    g.cx2 = g.l + g.r;
    g.cy2 = g.t + g.b;
    return true;
}

// False when nothing of the shape, drawn with a pen of width w, can reach the clip.
bool mayBeVisible(const Surface& s, const Geom& g, int w) {
    return g.l - w < s.clip.right && g.r + w > s.clip.left && g.t - w < s.clip.bottom && g.b + w > s.clip.top;
}

struct RowRange {
    bool any = false;
    i64 a = 0, b = -1;
};

RowRange regionRow(const Geom& g, i64 y) {
    RowRange r;
    if (y < g.t || y >= g.b) return r;
    r.any = true;
    const i64 dy = 2 * y + 1 - g.cy2;
    if (dy >= -1 && dy <= 1) {  // the middle row(s) span the whole box
        r.a = g.l;
        r.b = g.r - 1;
        return r;
    }
    // Every row of the box keeps at least the middle pixel(s).
    const i64 midA = static_cast<i64>(floorDiv(g.cx2 - 1, 2)), midB = static_cast<i64>(ceilDiv(g.cx2 - 1, 2));
    if (!ellipseRow(g.cx2, g.cy2, g.W, g.H, y, false, r.a, r.b) || r.a > midA) {
        r.a = midA;
        r.b = midB;
    }
    return r;
}

// The outline's pieces in row y (inclusive column ranges) from the region's rows around it.
int outlinePieces(const RowRange& up, const RowRange& cur, const RowRange& down, i64 out[4]) {
    if (!cur.any) return 0;
    if (up.any && down.any) {
        const i64 ia = std::max({up.a, cur.a + 1, down.a}), ib = std::min({up.b, cur.b - 1, down.b});
        if (ia <= ib) {
            out[0] = cur.a;
            out[1] = ia - 1;
            out[2] = ib + 1;
            out[3] = cur.b;
            return 2;
        }
    }
    out[0] = cur.a;
    out[1] = cur.b;
    return 1;
}

// Calls f(y, pieces, n) for the outline rows y in [lo, hi].
template <class F>
void forOutlineRows(const Geom& g, i64 lo, i64 hi, F&& f) {
    lo = std::max(lo, g.t);
    hi = std::min(hi, g.b - 1);
    if (lo > hi) return;
    RowRange up = regionRow(g, lo - 1), cur = regionRow(g, lo);
    for (i64 y = lo; y <= hi; ++y) {
        const RowRange down = regionRow(g, y + 1);
        i64 pieces[4];
        const int n = outlinePieces(up, cur, down, pieces);
        if (n > 0) f(y, pieces, n);
        up = cur;
        cur = down;
    }
}

// Directions as seen from the ellipse centre, in doubled units with y pointing up.
struct Vec {
    i64 x = 0, y = 0;
};
inline i128 cross(const Vec& a, const Vec& b) { return i128{a.x} * b.y - i128{a.y} * b.x; }

Vec pixelDir(const Geom& g, i64 x, i64 y) { return {2 * x + 1 - g.cx2, g.cy2 - (2 * y + 1)}; }

// The directions swept counter-clockwise (on screen) from s to e; all of them when s and e
// point the same way.
struct Sector {
    Vec s, e;
    bool full = true;
    i128 se = 0;

    Sector() = default;
    Sector(Vec from, Vec to) : s(from), e(to) {
        if (s.x == 0 && s.y == 0) s = {1, 0};
        if (e.x == 0 && e.y == 0) e = {1, 0};
        se = cross(s, e);
        full = se == 0 && (i128{s.x} * e.x + i128{s.y} * e.y) > 0;
    }
    bool contains(const Vec& p) const {
        if (full) return true;
        const i128 sp = cross(s, p), pe = cross(p, e);
        if (se > 0) return sp >= 0 && pe >= 0;   // less than half a turn
        if (se < 0) return sp >= 0 || pe >= 0;   // more than half a turn
        return sp >= 0;                          // exactly half a turn
    }
};

// A number in [0, 4) that grows with the counter-clockwise angle of (x, y) from the right,
// cheaper than atan2 and ordering directions the same way.
double pseudoAngle(const Vec& v) {
    const double x = static_cast<double>(v.x), y = static_cast<double>(v.y);
    const double sum = std::fabs(x) + std::fabs(y);
    if (sum == 0) return 0;
    const double p = x / sum;  // -1 .. 1
    return y < 0 ? 3 + p : 1 - p;
}

// 1-pixel outline (of the whole ellipse or the sector's part) with a dot pattern that
// starts at the sector's start direction and runs counter-clockwise.
void dottedOutline(const Surface& s, const Geom& g, const Sector& sector, const DotInk& ink) {
    struct Px {
        double key;
        i64 x, y;
    };
    std::vector<Px> px;
    const bool exact = g.W <= kOrderLimit && g.H <= kOrderLimit;
    const i64 lo = exact ? g.t : s.clip.top, hi = exact ? g.b - 1 : i64{s.clip.bottom} - 1;
    const i64 cl = exact ? g.l : s.clip.left, cr = exact ? g.r - 1 : i64{s.clip.right} - 1;
    const double start = pseudoAngle(sector.s);
    constexpr double kTurn = 4;
    forOutlineRows(g, lo, hi, [&](i64 y, const i64* pieces, int n) {
        for (int k = 0; k < n; ++k)
            for (i64 x = std::max(pieces[2 * k], cl); x <= std::min(pieces[2 * k + 1], cr); ++x) {
                const Vec d = pixelDir(g, x, y);
                if (!sector.contains(d)) continue;
                double key = pseudoAngle(d) - start;
                if (key < 0) key += kTurn;
                if (key >= kTurn) key -= kTurn;
                px.push_back({key, x, y});
            }
    });
    std::sort(px.begin(), px.end(), [](const Px& a, const Px& b) {
        if (a.key != b.key) return a.key < b.key;
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    for (size_t i = 0; i < px.size(); ++i)
        if (s.contains(px[i].x, px[i].y)) ink.put(s.at(px[i].x, px[i].y), static_cast<i64>(i));
}

// 1-pixel outline, solid pen.
void solidOutline(const Surface& s, const Geom& g, const Sector& sector, const Ink& ink) {
    forOutlineRows(g, s.clip.top, i64{s.clip.bottom} - 1, [&](i64 y, const i64* pieces, int n) {
        uint32_t* row = s.row(y);
        for (int k = 0; k < n; ++k) {
            const i64 a = std::max<i64>(pieces[2 * k], s.clip.left);
            const i64 b = std::min<i64>(pieces[2 * k + 1], i64{s.clip.right} - 1);
            if (a > b) continue;
            if (sector.full) {
                applySpan(row, static_cast<int>(a), static_cast<int>(b) + 1, ink);
            } else {
                for (i64 x = a; x <= b; ++x)
                    if (sector.contains(pixelDir(g, x, y))) apply(row[x], ink);
            }
        }
    });
}

void thinOutline(const Surface& s, const Geom& g, const Sector& sector, const Pen& pen, const Brush& brush) {
    const DotInk ink(pen, brush);
    if (ink.dotted)
        dottedOutline(s, g, sector, ink);
    else
        solidOutline(s, g, sector, ink.pen);
}

// The ring of a wide pen and the inside of its inner ellipse.
struct Ring {
    i64 Ao, Bo, Ai, Bi;
    Ring(const Geom& g, int w) : Ao(g.W - 1 + w), Bo(g.H - 1 + w), Ai(g.W - 1 - w), Bi(g.H - 1 - w) {}

    i64 rowLo(const Geom& g) const { return static_cast<i64>(ceilDiv(g.cy2 - Bo - 1, 2)); }
    i64 rowHi(const Geom& g) const { return static_cast<i64>(floorDiv(g.cy2 + Bo - 1, 2)); }
    // Ring and inner spans of row y as inclusive ranges; returns the number of ring pieces.
    int row(const Geom& g, i64 y, i64 ring[4], bool& inner, i64& ia, i64& ib) const {
        i64 oa = 0, ob = -1;
        inner = false;
        if (!ellipseRow(g.cx2, g.cy2, Ao, Bo, y, false, oa, ob)) return 0;
        inner = ellipseRow(g.cx2, g.cy2, Ai, Bi, y, true, ia, ib);
        if (!inner) {
            ring[0] = oa;
            ring[1] = ob;
            return 1;
        }
        ring[0] = oa;
        ring[1] = ia - 1;
        ring[2] = ib + 1;
        ring[3] = ob;
        return 2;
    }
};

}  // namespace

void ellipse(Target& t, const Pen& pen, const Brush& brush, int x1, int y1, int x2, int y2) {
    const Surface s(t);
    Geom g;
    const int w = penWidth(pen);
    if (s.empty() || !geometry(s, x1, y1, x2, y2, g) || !mayBeVisible(s, g, w)) return;
    const Ink brushInk{brush.rgb, pen.mode};

    if (w == 1) {
        // The fill covers the whole region; the outline is drawn over it.
        if (brush.solid) {
            const i64 lo = std::max<i64>(g.t, s.clip.top), hi = std::min<i64>(g.b - 1, i64{s.clip.bottom} - 1);
            for (i64 y = lo; y <= hi; ++y) {
                const RowRange r = regionRow(g, y);
                if (!r.any) continue;
                const i64 a = std::max<i64>(r.a, s.clip.left), b = std::min<i64>(r.b, i64{s.clip.right} - 1);
                if (a <= b) applySpan(s.row(y), static_cast<int>(a), static_cast<int>(b) + 1, brushInk);
            }
        }
        thinOutline(s, g, Sector(), pen, brush);
        return;
    }

    const Ring ring(g, w);
    const Ink penInk{pen.rgb, pen.mode};
    const i64 lo = std::max<i64>(ring.rowLo(g), s.clip.top), hi = std::min<i64>(ring.rowHi(g), i64{s.clip.bottom} - 1);
    const int cl = s.clip.left, cr = s.clip.right;
    for (i64 y = lo; y <= hi; ++y) {
        // Rows mirrored about the centre have the same spans: compute them once.
        const i64 mirror = g.cy2 - 1 - y;
        if (mirror < y && mirror >= lo) continue;
        i64 pieces[4], ia = 0, ib = -1;
        bool inner = false;
        const int n = ring.row(g, y, pieces, inner, ia, ib);
        const int rows = mirror > y && mirror <= hi ? 2 : 1;
        for (int k2 = 0; k2 < rows; ++k2) {
            uint32_t* row = s.row(k2 == 0 ? y : mirror);
            for (int k = 0; k < n; ++k) {
                const i64 a = std::max<i64>(pieces[2 * k], cl), b = std::min<i64>(pieces[2 * k + 1], i64{cr} - 1);
                if (a <= b) applySpan(row, static_cast<int>(a), static_cast<int>(b) + 1, penInk);
            }
            if (inner && brush.solid) {
                const i64 a = std::max<i64>(ia, cl), b = std::min<i64>(ib, i64{cr} - 1);
                if (a <= b) applySpan(row, static_cast<int>(a), static_cast<int>(b) + 1, brushInk);
            }
        }
    }
}

void arc(Target& t, const Pen& pen, const Brush& brush, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
         int y4) {
    const Surface s(t);
    Geom g;
    const int w = penWidth(pen);
    if (s.empty() || !geometry(s, x1, y1, x2, y2, g) || !mayBeVisible(s, g, w)) return;
    const Sector sector(Vec{2 * (x3 + s.ox) - g.cx2, g.cy2 - 2 * (y3 + s.oy)},
                        Vec{2 * (x4 + s.ox) - g.cx2, g.cy2 - 2 * (y4 + s.oy)});
    if (w == 1) {
        thinOutline(s, g, sector, pen, brush);
        return;
    }

    // Wide pen: the ring's part inside the sector plus round caps at both ends, as one region.
    const Ring ring(g, w);
    const Ink penInk{pen.rgb, pen.mode};
    i64 lo = ring.rowLo(g), hi = ring.rowHi(g);
    struct Cap {
        double x, y;
    };
    std::vector<Cap> caps;
    const double A = static_cast<double>(g.W - 1), B = static_cast<double>(g.H - 1);
    if (!sector.full && A > 0 && B > 0) {
        for (const Vec& d : {sector.s, sector.e}) {
            // Where the direction meets the path ellipse (doubled, y down).
            const double dx = static_cast<double>(d.x), dy = static_cast<double>(d.y);
            const double k = 1 / std::sqrt((dx / A) * (dx / A) + (dy / B) * (dy / B));
            caps.push_back({static_cast<double>(g.cx2) + k * dx, static_cast<double>(g.cy2) - k * dy});
            i64 a = 0, b = -1;
            centreRows(caps.back().y - w, caps.back().y + w, a, b);
            lo = std::min(lo, a);
            hi = std::max(hi, b);
        }
    }
    lo = std::max<i64>(lo, s.clip.top);
    hi = std::min<i64>(hi, i64{s.clip.bottom} - 1);
    const int cl = s.clip.left, cr = s.clip.right;
    Spans spans;
    for (i64 y = lo; y <= hi; ++y) {
        spans.clear();
        i64 pieces[4], ia = 0, ib = -1;
        bool inner = false;
        const int n = ring.row(g, y, pieces, inner, ia, ib);
        for (int k = 0; k < n; ++k) {
            const i64 a = std::max<i64>(pieces[2 * k], cl), b = std::min<i64>(pieces[2 * k + 1], i64{cr} - 1);
            i64 run = a;
            for (i64 x = a; x <= b + 1; ++x) {
                if (x <= b && sector.contains(pixelDir(g, x, y))) continue;
                if (run < x) addSpan(spans, run, x - 1, cl, cr);
                run = x + 1;
            }
        }
        const double Y = 2.0 * static_cast<double>(y) + 1;
        for (const Cap& c : caps) {
            double a = 0, b = 0;
            i64 xa = 0, xb = -1;
            if (discRow(c.x, c.y, w, Y, a, b) && centreColumns(a, b, xa, xb)) addSpan(spans, xa, xb, cl, cr);
        }
        normalize(spans);
        paint(s, y, spans, penInk);
    }
}

}  // namespace ui::raster
