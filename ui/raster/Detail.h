// Internal helpers of the rasterizer shared by its translation units: pixel writes through
// the pen modes, per-row span lists, exact integer line stepping, round-pen capsules and
// exact ellipse rows. Not part of the public interface.
//
// Geometry conventions used throughout:
// - All work happens in bitmap coordinates held in 64-bit integers (drawing coordinates plus
//   the target's origin), so no sum of two ints can overflow.
// - Curves and wide strokes are sampled at pixel centres. "Doubled" coordinates are twice
//   the continuous coordinate: pixel (i, j) has its centre at doubled (2i + 1, 2j + 1), so
//   every centre, corner and half-axis used below is an integer there.
#pragma once

#include "ui/raster/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui::raster::detail {

using i64 = std::int64_t;
using u64 = std::uint64_t;
using i128 = __int128;
using u128 = unsigned __int128;

constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kRgbMask = 0x00FFFFFFu;

// Ellipse and arc corners are limited to this magnitude (in bitmap coordinates) so that the
// exact integer tests of ellipse rows fit into 128 bits. It lies far outside any surface.
constexpr i64 kCoordLimit = i64{1} << 30;
// Pens wider than this are drawn with this width (keeps squared radii exact in doubles).
constexpr int kMaxPenWidth = 1 << 24;

inline int penWidth(const Pen& p) { return std::clamp(p.width, 1, kMaxPenWidth); }
inline i64 clampCoord(i64 v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }

// Rounding divisions for b > 0.
inline i128 ceilDiv(i128 a, i128 b) {
    i128 q = a / b;
    if (q * b < a) ++q;
    return q;
}
inline i128 floorDiv(i128 a, i128 b) {
    i128 q = a / b;
    if (q * b > a) --q;
    return q;
}

// A colour written through a pen mode.
struct Ink {
    uint32_t rgb = 0;
    PenMode mode = PenMode::Copy;
};

inline void apply(uint32_t& px, const Ink& ink) {
    if (ink.mode == PenMode::Copy)
        px = ink.rgb | kOpaque;
    else  // not-xor: NOT(pen XOR pixel), top byte forced opaque
        px = (px ^ (~ink.rgb & kRgbMask)) | kOpaque;
}

inline void applySpan(uint32_t* row, int x0, int x1, const Ink& ink) {
    if (ink.mode == PenMode::Copy) {
        std::fill(row + x0, row + x1, ink.rgb | kOpaque);
    } else {
        const uint32_t k = ~ink.rgb & kRgbMask;
        for (int x = x0; x < x1; ++x) row[x] = (row[x] ^ k) | kOpaque;
    }
}

// Colours of a 1-pixel pen along a path: solid, or dots of 3 pixels on and 3 off counted
// from the start of the call; the gaps take the brush colour when the brush is solid and
// are left alone when it is clear.
struct DotInk {
    Ink pen;
    Ink gap;
    bool dotted = false;
    bool gapVisible = false;

    DotInk(const Pen& p, const Brush& b)
        : pen{p.rgb, p.mode}, gap{b.rgb, p.mode}, dotted(p.style == PenStyle::Dot), gapVisible(b.solid) {}

    void put(uint32_t& px, i64 index) const {
        if (!dotted || index % 6 < 3)
            apply(px, pen);
        else if (gapVisible)
            apply(px, gap);
    }
};

// The writable part of a target: its bitmap, the clip in bitmap coordinates (always inside
// the bitmap) and the origin.
struct Surface {
    uint32_t* pixels = nullptr;
    int stride = 0;
    Rect clip;
    i64 ox = 0;
    i64 oy = 0;

    explicit Surface(Target& t);
    bool empty() const { return clip.empty(); }
    uint32_t* row(i64 y) const { return pixels + static_cast<size_t>(y) * static_cast<size_t>(stride); }
    uint32_t& at(i64 x, i64 y) const { return row(y)[x]; }
    bool contains(i64 x, i64 y) const { return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom; }
};

// Half-open column range of one row, inside the clip.
struct Span {
    int x0 = 0;
    int x1 = 0;
};
using Spans = std::vector<Span>;

// Appends the inclusive column range [a, b] clipped to the columns [lo, hi).
inline void addSpan(Spans& out, i64 a, i64 b, int lo, int hi) {
    a = std::max<i64>(a, lo);
    b = std::min<i64>(b, i64{hi} - 1);
    if (a <= b) out.push_back({static_cast<int>(a), static_cast<int>(b) + 1});
}

// Sorts spans and merges overlapping or touching ones.
void normalize(Spans& v);
// out = a minus b; both sorted and disjoint.
void subtract(const Spans& a, const Spans& b, Spans& out);
void paint(const Surface& s, i64 y, const Spans& spans, const Ink& ink);

// Rounding of doubles to integers; the values used here never exceed a few times 2^34.
inline i64 floorToInt(double v) {
    const i64 i = static_cast<i64>(v);
    return i - (v < static_cast<double>(i) ? 1 : 0);
}
inline i64 ceilToInt(double v) {
    const i64 i = static_cast<i64>(v);
    return i + (v > static_cast<double>(i) ? 1 : 0);
}

// Columns of the pixels whose centres lie in the doubled x-extent [lo, hi].
inline bool centreColumns(double lo, double hi, i64& a, i64& b) {
    if (!(lo <= hi)) return false;
    a = ceilToInt((lo - 1) * 0.5);
    b = floorToInt((hi - 1) * 0.5);
    return a <= b;
}

// Rows whose centres lie in the doubled y-extent [lo, hi] (may be empty: a > b).
inline void centreRows(double lo, double hi, i64& a, i64& b) {
    a = ceilToInt((lo - 1) * 0.5);
    b = floorToInt((hi - 1) * 0.5);
}

// ---------------------------------------------------------------------------------------
// 1-pixel lines.
//
// The pixels of the line from (x0, y0) to (x1, y1) are one per step s = 0 .. D-1 along the
// major axis (D = the larger of |dx| and |dy|; the end pixel is left out). The minor
// coordinate is the exact line's value at that step rounded to the nearest integer, with
// exact halves going to the smaller coordinate (up, or left). The tie rule depends only on
// the position, not the direction, so a line and its reverse cover the same pixels apart
// from their end points. A line with |dx| == |dy| counts as x-major.
//
// Calls f(x, y, s) for every such pixel inside clip, where s is the step index from the
// start (for dot patterns). The work is bounded by the clip size whatever the coordinates.
// ---------------------------------------------------------------------------------------
template <class Pred>
i64 firstTrue(i64 lo, i64 hi, Pred&& pred) {  // pred monotone false..true on [lo, hi]
    i64 a = lo, b = hi + 1;
    while (a < b) {
        const i64 m = a + (b - a) / 2;
        if (pred(m))
            b = m;
        else
            a = m + 1;
    }
    return a;
}

template <class F>
void forEachLinePixel(const Rect& clip, i64 x0, i64 y0, i64 x1, i64 y1, F&& f) {
    const i64 dx = x1 - x0, dy = y1 - y0;
    if ((dx == 0 && dy == 0) || clip.empty()) return;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const i64 a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
    const i64 da = xMajor ? dx : dy, db = xMajor ? dy : dx;
    const i64 D = da < 0 ? -da : da;
    const i64 sa = da < 0 ? -1 : 1;
    const i64 aMin = xMajor ? clip.left : clip.top, aMax = i64{xMajor ? clip.right : clip.bottom} - 1;
    const i64 bMin = xMajor ? clip.top : clip.left, bMax = i64{xMajor ? clip.bottom : clip.right} - 1;

    // Steps whose major coordinate lies in the clip.
    i64 sLo = std::max<i64>(0, sa > 0 ? aMin - a0 : a0 - aMax);
    i64 sHi = std::min<i64>(D - 1, sa > 0 ? aMax - a0 : a0 - aMin);
    if (sLo > sHi) return;

    // minor(s) = b0 + ceil((2 s db - D) / 2D), monotone in s.
    const i128 twoD = i128{2} * D;
    auto minorAt = [&](i64 s) { return b0 + static_cast<i64>(ceilDiv(i128{2} * s * db - D, twoD)); };
    if (db >= 0) {
        sLo = firstTrue(sLo, sHi, [&](i64 s) { return minorAt(s) >= bMin; });
        sHi = firstTrue(sLo, sHi, [&](i64 s) { return minorAt(s) > bMax; }) - 1;
    } else {
        sLo = firstTrue(sLo, sHi, [&](i64 s) { return minorAt(s) <= bMax; });
        sHi = firstTrue(sLo, sHi, [&](i64 s) { return minorAt(s) < bMin; }) - 1;
    }
    if (sLo > sHi) return;

    // Exact start, then the usual integer error stepping (remainder r in (-2D, 0]).
    const i128 num = i128{2} * sLo * db - D;
    const i128 q = ceilDiv(num, twoD);
    i64 r = static_cast<i64>(num - q * twoD);
    i64 b = b0 + static_cast<i64>(q);
    i64 a = a0 + sa * sLo;
    const i64 twoDb = 2 * db, twoD64 = 2 * D;
    for (i64 s = sLo; s <= sHi; ++s) {
        if (xMajor)
            f(a, b, s);
        else
            f(b, a, s);
        a += sa;
        r += twoDb;
        if (r > 0) {
            ++b;
            r -= twoD64;
        } else if (r <= -twoD64) {
            --b;
            r += twoD64;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Round pens. A segment stroked with a round pen of width w is the capsule of all points
// within w/2 of it; a pixel belongs to the stroke when its centre does. Path vertices are
// the pixels' centres for odd widths and their top-left corners for even widths, so a
// stroke is exactly w pixels across (an even width reaches one pixel further up and left).
// ---------------------------------------------------------------------------------------
struct Capsule {
    double px = 0, py = 0, qx = 0, qy = 0;  // doubled coordinates of the ends
    double r = 0;                           // radius in doubled units (= pen width)
    double dx = 0, dy = 0, len2 = 0;
    // Slanted segments: on the line Y (e = Y - py) the band between the caps is the
    // intersection of px + kc e +- hc (distance from the segment's line at most r) and
    // px + kt e + [t0, t1] (projection between the ends).
    double kc = 0, hc = 0, kt = 0, t0 = 0, t1 = 0;
    i64 rowLo = 0, rowHi = -1;  // rows the capsule can touch
};

Capsule makeCapsule(double px, double py, double qx, double qy, double r);

// Doubled x-extent of a disc of doubled radius r at (cx, cy) on the line Y.
inline bool discRow(double cx, double cy, double r, double Y, double& lo, double& hi) {
    const double d = Y - cy;
    if (d > r || d < -r) return false;
    const double h = std::sqrt(r * r - d * d);
    lo = cx - h;
    hi = cx + h;
    return true;
}

// Doubled x-extent of the capsule on the horizontal line at doubled height Y. The capsule
// is convex, so the extents of its caps and band on the line join into one interval.
inline bool capsuleRow(const Capsule& c, double Y, double& lo, double& hi) {
    bool any = false;
    auto take = [&](double a, double b) {
        if (!(a <= b)) return;
        lo = any ? std::min(lo, a) : a;
        hi = any ? std::max(hi, b) : b;
        any = true;
    };
    double a = 0, b = 0;
    if (discRow(c.px, c.py, c.r, Y, a, b)) take(a, b);
    if (c.len2 == 0) return any;
    if (discRow(c.qx, c.qy, c.r, Y, a, b)) take(a, b);
    const double e = Y - c.py;
    if (c.dy == 0) {  // horizontal and vertical segments exactly
        if (e <= c.r && e >= -c.r) take(std::min(c.px, c.qx), std::max(c.px, c.qx));
    } else if (c.dx == 0) {
        if ((c.dy > 0 && e >= 0 && e <= c.dy) || (c.dy < 0 && e <= 0 && e >= c.dy)) take(c.px - c.r, c.px + c.r);
    } else {
        const double mc = c.px + c.kc * e, mt = c.px + c.kt * e;
        take(std::max(mc - c.hc, mt + c.t0), std::min(mc + c.hc, mt + c.t1));
    }
    return any;
}

// Vertex of a wide path in doubled coordinates for a pen of width w.
inline double pathCoord(i64 v, int w) { return 2.0 * static_cast<double>(v) + (w & 1); }

struct PointL {
    i64 x = 0;
    i64 y = 0;
    bool operator==(const PointL&) const = default;
};

// The stroke of a polyline or closed path with a round pen: the union of the capsules of
// its segments (round caps and joins).
class PathStroke {
public:
    PathStroke(const std::vector<PointL>& pts, bool closed, int width);
    bool empty() const { return caps_.empty(); }
    i64 rowLo() const { return rowLo_; }
    i64 rowHi() const { return rowHi_; }
    // The stroke's spans in row y, clipped to the columns [lo, hi), sorted and disjoint.
    void row(i64 y, int lo, int hi, Spans& out) const;

private:
    std::vector<Capsule> caps_;
    i64 rowLo_ = 0, rowHi_ = -1;
};

// Even-odd fill of a closed polygon on the pixel lattice: pixel (x, y) is inside when the
// point (x, y) is, with crossings on the left edge of a span in and on the right edge out,
// and the top row of an edge in and its bottom row out.
class PolygonFill {
public:
    explicit PolygonFill(const std::vector<PointL>& pts);
    i64 rowLo() const { return rowLo_; }
    i64 rowHi() const { return rowHi_; }
    void row(i64 y, int lo, int hi, Spans& out) const;

private:
    struct Edge {
        i64 xa, ya, xb, yb;  // ya < yb
    };
    std::vector<Edge> edges_;
    mutable std::vector<i64> xs_;
    i64 rowLo_ = 0, rowHi_ = -1;
};

// ---------------------------------------------------------------------------------------
// Ellipses. An ellipse with doubled centre (cx2, cy2) and doubled half-axes (A, B) contains
// the pixels whose doubled centre offsets (dx, dy) satisfy dx²B² + dy²A² <= A²B² (strict:
// <). All quantities stay below 2^32, so the test is exact in unsigned 128-bit integers.
// ---------------------------------------------------------------------------------------

// Largest m >= 0 with m²B² <= A²(B² - d²) (strict: <), or -1. Needs 0 <= d <= B, B > 0.
i64 ellipseHalfWidth(i64 A, i64 B, i64 d, bool strict);

// Columns [a, b] of row y inside the ellipse; false if none.
inline bool ellipseRow(i64 cx2, i64 cy2, i64 A, i64 B, i64 y, bool strict, i64& a, i64& b) {
    if (A < 0 || B <= 0) return false;
    i64 d = 2 * y + 1 - cy2;
    if (d < 0) d = -d;
    if (d > B) return false;
    i64 m = ellipseHalfWidth(A, B, d, strict);
    // The doubled offset 2x + 1 - cx2 of a pixel centre has the parity of cx2 + 1.
    if (((m ^ (cx2 + 1)) & 1) != 0) --m;
    if (m < 0) return false;
    a = (cx2 - m - 1) / 2;  // exact: the numerators are even
    b = (cx2 + m - 1) / 2;
    return true;
}

}  // namespace ui::raster::detail
