// Lines, polylines, polygons and rectangles.
//
// 1-pixel pens follow the LineTo rule for every segment (start pixel in, end pixel out, see
// forEachLinePixel); dot patterns run on across the segments of one call. Wider pens stroke
// the whole figure as one region (see PathStroke) and paint each of its pixels once; the
// brush fill then covers the figure's inside without the stroke.
#include "ui/raster/Detail.h"

namespace ui::raster {

using namespace detail;

namespace {

std::vector<PointL> toBitmap(const Surface& s, const Point* pts, int n) {
    std::vector<PointL> out;
    if (pts == nullptr || n <= 0) return out;
    out.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) out.push_back({pts[i].x + s.ox, pts[i].y + s.oy});
    return out;
}

// 1-pixel segment with a dot pattern that started `phase` pixels earlier.
void thinSegment(const Surface& s, const DotInk& ink, const PointL& p, const PointL& q, i64 phase) {
    forEachLinePixel(s.clip, p.x, p.y, q.x, q.y, [&](i64 x, i64 y, i64 step) { ink.put(s.at(x, y), phase + step); });
}

i64 segmentPixels(const PointL& p, const PointL& q) {
    const i64 dx = q.x > p.x ? q.x - p.x : p.x - q.x, dy = q.y > p.y ? q.y - p.y : p.y - q.y;
    return std::max(dx, dy);
}

// 1-pixel outline along the points (closing back to the first when `closed`).
void thinPath(const Surface& s, const DotInk& ink, const std::vector<PointL>& pts, bool closed) {
    const size_t n = pts.size();
    i64 phase = 0;
    for (size_t i = 0; i + 1 < n + (closed ? 1 : 0); ++i) {
        const PointL& p = pts[i];
        const PointL& q = pts[(i + 1) % n];
        thinSegment(s, ink, p, q, phase);
        phase = (phase + segmentPixels(p, q)) % 6;
    }
}

// Paints a wide stroke and, if a brush is given, `fillRow`'s spans without the stroke.
template <class FillRow>
void strokeAndFill(const Surface& s, const PathStroke& stroke, const Ink& pen, const Ink* brush, i64 fillLo,
                   i64 fillHi, FillRow&& fillRow) {
    i64 lo = stroke.empty() ? fillLo : stroke.rowLo(), hi = stroke.empty() ? fillHi : stroke.rowHi();
    if (brush != nullptr && fillLo <= fillHi) {
        lo = std::min(lo, fillLo);
        hi = std::max(hi, fillHi);
    }
    lo = std::max<i64>(lo, s.clip.top);
    hi = std::min<i64>(hi, i64{s.clip.bottom} - 1);
    Spans st, fill, rest;
    for (i64 y = lo; y <= hi; ++y) {
        stroke.row(y, s.clip.left, s.clip.right, st);
        paint(s, y, st, pen);
        if (brush != nullptr && y >= fillLo && y <= fillHi) {
            fillRow(y, fill);
            subtract(fill, st, rest);
            paint(s, y, rest, *brush);
        }
    }
}

// A straight run of outline pixels (horizontal or vertical) with its dot indices.
void outlineRun(const Surface& s, const DotInk& ink, i64 x, i64 y, int stepX, int stepY, i64 len, i64 index) {
    if (len <= 0) return;
    const Rect& c = s.clip;
    // Range of k in [0, len) with the pixel inside the clip.
    auto range = [&](i64 start, int step, i64 lo, i64 hi, i64& k0, i64& k1) {  // lo <= v < hi
        if (step == 0) {
            k0 = (start >= lo && start < hi) ? 0 : len;
            k1 = len - 1;
        } else if (step > 0) {
            k0 = std::max<i64>(0, lo - start);
            k1 = std::min<i64>(len - 1, hi - 1 - start);
        } else {
            k0 = std::max<i64>(0, start - (hi - 1));
            k1 = std::min<i64>(len - 1, start - lo);
        }
    };
    i64 a0, a1, b0, b1;
    range(x, stepX, c.left, c.right, a0, a1);
    range(y, stepY, c.top, c.bottom, b0, b1);
    const i64 k0 = std::max(a0, b0), k1 = std::min(a1, b1);
    for (i64 k = k0; k <= k1; ++k) ink.put(s.at(x + stepX * k, y + stepY * k), index + k);
}

}  // namespace

void line(Target& t, const Pen& pen, const Brush& brush, int x0, int y0, int x1, int y1) {
    const Surface s(t);
    if (s.empty()) return;
    const PointL p{x0 + s.ox, y0 + s.oy}, q{x1 + s.ox, y1 + s.oy};
    const int w = penWidth(pen);
    if (w == 1) {
        thinSegment(s, DotInk(pen, brush), p, q, 0);
        return;
    }
    if (p == q) return;  // a line of length zero has no pixels, whatever the pen
    const Capsule c = makeCapsule(pathCoord(p.x, w), pathCoord(p.y, w), pathCoord(q.x, w), pathCoord(q.y, w), w);
    const Ink ink{pen.rgb, pen.mode};
    const i64 lo = std::max<i64>(c.rowLo, s.clip.top), hi = std::min<i64>(c.rowHi, i64{s.clip.bottom} - 1);
    for (i64 y = lo; y <= hi; ++y) {
        double a = 0, b = 0;
        i64 ia = 0, ib = -1;
        if (!capsuleRow(c, 2.0 * static_cast<double>(y) + 1, a, b) || !centreColumns(a, b, ia, ib)) continue;
        ia = std::max<i64>(ia, s.clip.left);
        ib = std::min<i64>(ib, i64{s.clip.right} - 1);
        if (ia <= ib) applySpan(s.row(y), static_cast<int>(ia), static_cast<int>(ib) + 1, ink);
    }
}

void polyline(Target& t, const Pen& pen, const Brush& brush, const Point* pts, int n) {
    const Surface s(t);
    if (s.empty() || n < 2) return;
    const std::vector<PointL> p = toBitmap(s, pts, n);
    const int w = penWidth(pen);
    if (w == 1) {
        thinPath(s, DotInk(pen, brush), p, false);
        return;
    }
    const PathStroke stroke(p, false, w);
    strokeAndFill(s, stroke, Ink{pen.rgb, pen.mode}, nullptr, 0, -1, [](i64, Spans&) {});
}

void polygon(Target& t, const Pen& pen, const Brush& brush, const Point* pts, int n) {
    const Surface s(t);
    if (s.empty() || n < 2) return;
    const std::vector<PointL> p = toBitmap(s, pts, n);
    const PolygonFill fill(p);
    const Ink brushInk{brush.rgb, pen.mode};
    const int w = penWidth(pen);
    if (w == 1) {
        if (brush.solid) {
            Spans spans;
            const i64 lo = std::max<i64>(fill.rowLo(), s.clip.top);
            const i64 hi = std::min<i64>(fill.rowHi(), i64{s.clip.bottom} - 1);
            for (i64 y = lo; y <= hi; ++y) {
                fill.row(y, s.clip.left, s.clip.right, spans);
                paint(s, y, spans, brushInk);
            }
        }
        thinPath(s, DotInk(pen, brush), p, true);
        return;
    }
    const PathStroke stroke(p, true, w);
    strokeAndFill(s, stroke, Ink{pen.rgb, pen.mode}, brush.solid ? &brushInk : nullptr, fill.rowLo(), fill.rowHi(),
                  [&](i64 y, Spans& out) { fill.row(y, s.clip.left, s.clip.right, out); });
}

void rectangle(Target& t, const Pen& pen, const Brush& brush, int x1, int y1, int x2, int y2) {
    const Surface s(t);
    if (s.empty()) return;
    const i64 l = std::min(x1, x2) + s.ox, r = std::max(x1, x2) + s.ox;
    const i64 tp = std::min(y1, y2) + s.oy, b = std::max(y1, y2) + s.oy;
    if (l == r || tp == b) return;
    const Ink brushInk{brush.rgb, pen.mode};
    const int w = penWidth(pen);
    const Rect& c = s.clip;

    if (w == 1) {
        // Fill strictly inside the outline.
        if (brush.solid) {
            const i64 fl = std::max<i64>(l + 1, c.left), fr = std::min<i64>(r - 1, c.right);
            const i64 ft = std::max<i64>(tp + 1, c.top), fb = std::min<i64>(b - 1, c.bottom);
            for (i64 y = ft; y < fb && fl < fr; ++y)
                applySpan(s.row(y), static_cast<int>(fl), static_cast<int>(fr), brushInk);
        }
        // Outline clockwise from the top-left pixel: columns l .. r-1, rows tp .. b-1.
        const DotInk ink(pen, brush);
        const i64 W = r - l, H = b - tp;
        if (H == 1) {
            outlineRun(s, ink, l, tp, 1, 0, W, 0);
        } else if (W == 1) {
            outlineRun(s, ink, l, tp, 0, 1, H, 0);
        } else {
            outlineRun(s, ink, l, tp, 1, 0, W, 0);
            outlineRun(s, ink, r - 1, tp + 1, 0, 1, H - 1, W);
            outlineRun(s, ink, r - 2, b - 1, -1, 0, W - 1, W + H - 1);
            outlineRun(s, ink, l, b - 2, 0, -1, H - 2, 2 * W + H - 2);
        }
        return;
    }

    // Wide pen: the stroke is centred on the 1-pixel outline's path.
    const std::vector<PointL> path{{l, tp}, {r - 1, tp}, {r - 1, b - 1}, {l, b - 1}};
    const PathStroke stroke(path, true, w);
    // The fill covers the pixels whose centres lie strictly inside the path: columns
    // l+1 .. r-2 for odd widths (path through the centres), l .. r-2 for even ones (path
    // through the top-left corners); rows likewise. The stroke is subtracted from it.
    const i64 o = w & 1;
    const i64 ft = tp + o, fb = b - 2;
    strokeAndFill(s, stroke, Ink{pen.rgb, pen.mode}, brush.solid ? &brushInk : nullptr, ft, fb,
                  [&](i64, Spans& out) {
                      out.clear();
                      addSpan(out, l + o, r - 2, c.left, c.right);
                  });
}

}  // namespace ui::raster
