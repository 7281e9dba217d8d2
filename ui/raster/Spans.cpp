// Span lists, round-pen capsules, path strokes, polygon fill rows and exact ellipse rows.
#include "ui/raster/Detail.h"

namespace ui::raster::detail {

void normalize(Spans& v) {
    if (v.size() < 2) return;
    std::sort(v.begin(), v.end(), [](const Span& a, const Span& b) { return a.x0 < b.x0; });
    size_t n = 0;
    for (size_t i = 1; i < v.size(); ++i) {
        if (v[i].x0 <= v[n].x1)
            v[n].x1 = std::max(v[n].x1, v[i].x1);
        else
            v[++n] = v[i];
    }
    v.resize(n + 1);
}

void subtract(const Spans& a, const Spans& b, Spans& out) {
    out.clear();
    size_t j = 0;
    for (const Span& s : a) {
        int x = s.x0;
        while (j < b.size() && b[j].x1 <= x) ++j;
        size_t k = j;
        while (x < s.x1 && k < b.size() && b[k].x0 < s.x1) {
            if (b[k].x0 > x) out.push_back({x, b[k].x0});
            x = std::max(x, b[k].x1);
            ++k;
        }
        if (x < s.x1) out.push_back({x, s.x1});
    }
}

void paint(const Surface& s, i64 y, const Spans& spans, const Ink& ink) {
    uint32_t* row = s.row(y);
    for (const Span& sp : spans) applySpan(row, sp.x0, sp.x1, ink);
}

Capsule makeCapsule(double px, double py, double qx, double qy, double r) {
    Capsule c;
    c.px = px;
    c.py = py;
    c.qx = qx;
    c.qy = qy;
    c.r = r;
    c.dx = qx - px;
    c.dy = qy - py;
    c.len2 = c.dx * c.dx + c.dy * c.dy;
    if (c.dx != 0 && c.dy != 0) {
        // |dx e - dy (x - px)| <= r |d|  and  0 <= dx (x - px) + dy e <= |d|².
        c.kc = c.dx / c.dy;
        c.hc = r * std::sqrt(c.len2) / std::fabs(c.dy);
        c.kt = -c.dy / c.dx;
        c.t0 = std::min(0.0, c.len2 / c.dx);
        c.t1 = std::max(0.0, c.len2 / c.dx);
    }
    centreRows(std::min(py, qy) - r, std::max(py, qy) + r, c.rowLo, c.rowHi);
    return c;
}

PathStroke::PathStroke(const std::vector<PointL>& pts, bool closed, int width) {
    const size_t n = pts.size();
    if (n == 0) return;
    const double r = width;
    auto add = [&](const PointL& p, const PointL& q) {
        caps_.push_back(makeCapsule(pathCoord(p.x, width), pathCoord(p.y, width), pathCoord(q.x, width),
                                    pathCoord(q.y, width), r));
    };
    for (size_t i = 0; i + 1 < n; ++i)
        if (!(pts[i] == pts[i + 1])) add(pts[i], pts[i + 1]);
    if (closed && n > 2 && !(pts[n - 1] == pts[0])) add(pts[n - 1], pts[0]);
    // A closed path that collapses to one point is a dot; an open one draws nothing.
    if (caps_.empty() && closed) add(pts[0], pts[0]);
    for (size_t i = 0; i < caps_.size(); ++i) {
        rowLo_ = i == 0 ? caps_[i].rowLo : std::min(rowLo_, caps_[i].rowLo);
        rowHi_ = i == 0 ? caps_[i].rowHi : std::max(rowHi_, caps_[i].rowHi);
    }
}

void PathStroke::row(i64 y, int lo, int hi, Spans& out) const {
    out.clear();
    const double Y = 2.0 * static_cast<double>(y) + 1;
    for (const Capsule& c : caps_) {
        if (y < c.rowLo || y > c.rowHi) continue;
        double a = 0, b = 0;
        i64 ia = 0, ib = -1;
        if (capsuleRow(c, Y, a, b) && centreColumns(a, b, ia, ib)) addSpan(out, ia, ib, lo, hi);
    }
    normalize(out);
}

PolygonFill::PolygonFill(const std::vector<PointL>& pts) {
    const size_t n = pts.size();
    if (n < 3) return;  // fewer than three corners enclose nothing
    for (size_t i = 0; i < n; ++i) {
        PointL p = pts[i], q = pts[(i + 1) % n];
        if (p.y == q.y) continue;
        if (p.y > q.y) std::swap(p, q);
        edges_.push_back({p.x, p.y, q.x, q.y});
        rowLo_ = edges_.size() == 1 ? p.y : std::min(rowLo_, p.y);
        rowHi_ = edges_.size() == 1 ? q.y - 1 : std::max(rowHi_, q.y - 1);
    }
}

void PolygonFill::row(i64 y, int lo, int hi, Spans& out) const {
    out.clear();
    xs_.clear();
    for (const Edge& e : edges_) {
        if (y < e.ya || y >= e.yb) continue;
        // Smallest column at or right of the crossing x = xa + (y - ya)(xb - xa) / (yb - ya).
        const i128 num = i128{e.xa} * (e.yb - e.ya) + i128{y - e.ya} * (e.xb - e.xa);
        xs_.push_back(static_cast<i64>(ceilDiv(num, e.yb - e.ya)));
    }
    std::sort(xs_.begin(), xs_.end());
    for (size_t i = 0; i + 1 < xs_.size(); i += 2) addSpan(out, xs_[i], xs_[i + 1] - 1, lo, hi);
}

i64 ellipseHalfWidth(i64 A, i64 B, i64 d, bool strict) {
    // Circles: m² < or <= B² - d², exact in 64 bits (B < 2^32, so B² < 2^63).
    if (A == B) {
        const i64 q = (B - d) * (B + d);
        i64 m = std::min<i64>(A, static_cast<i64>(std::sqrt(static_cast<double>(q))));
        auto fits = [&](i64 v) { return strict ? v * v < q : v * v <= q; };
        while (m >= 0 && !fits(m)) --m;
        while (m < A && fits(m + 1)) ++m;
        return m;
    }
    const double est = static_cast<double>(A) * std::sqrt(static_cast<double>(B - d) * static_cast<double>(B + d)) /
                       static_cast<double>(B);
    i64 m = std::min<i64>(A, static_cast<i64>(est));
    if (A < (i64{1} << 15) && B < (i64{1} << 15)) {
        // Small ellipses: m²B² <= A²B² < 2^60 fits 64 bits.
        const i64 n = A * A * ((B - d) * (B + d)), b2 = B * B;
        auto fits = [&](i64 v) { return strict ? v * v * b2 < n : v * v * b2 <= n; };
        while (m >= 0 && !fits(m)) --m;
        while (m < A && fits(m + 1)) ++m;
        return m;
    }
    const u64 a = static_cast<u64>(A), b = static_cast<u64>(B), du = static_cast<u64>(d);
    const u128 n = u128{a * a} * u128{(b - du) * (b + du)};
    auto fits = [&](i64 v) {
        const u64 vb = static_cast<u64>(v) * b;
        const u128 lhs = u128{vb} * vb;
        return strict ? lhs < n : lhs <= n;
    };
    while (m >= 0 && !fits(m)) --m;
    while (m < A && fits(m + 1)) ++m;
    return m;
}

}  // namespace ui::raster::detail
