// Rectangles, bitmaps, targets, single pixels, rectangle fills and bitmap copies.
#include "ui/raster/Raster.h"

#include "ui/raster/Detail.h"

namespace ui::raster {

using namespace detail;

Rect Rect::intersected(const Rect& o) const {
    const Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    return r.empty() ? Rect{} : r;
}

Rect Rect::united(const Rect& o) const {
    if (o.empty()) return empty() ? Rect{} : *this;
    if (empty()) return o;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
}

Bitmap::Bitmap(int w, int h, uint32_t fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill | kOpaque) {}

Target::Target(Bitmap& b, int ox, int oy, Rect c)
    : bitmap(&b), originX(ox), originY(oy), clip(c.intersected(Rect{0, 0, b.width, b.height})) {}

namespace detail {

Surface::Surface(Target& t) : ox(t.originX), oy(t.originY) {
    if (t.bitmap == nullptr || t.bitmap->pixels.size() < static_cast<size_t>(t.bitmap->width) *
                                                               static_cast<size_t>(std::max(t.bitmap->height, 0)))
        return;
    pixels = t.bitmap->pixels.data();
    stride = t.bitmap->width;
    clip = t.clip.intersected(Rect{0, 0, t.bitmap->width, t.bitmap->height});
}

}  // namespace detail

namespace {

bool usable(const Bitmap& b) {
    return b.width > 0 && b.height > 0 &&
           b.pixels.size() >= static_cast<size_t>(b.width) * static_cast<size_t>(b.height);
}

}  // namespace

void plot(Target& t, int x, int y, uint32_t rgb, PenMode mode) {
    const Surface s(t);
    const i64 bx = x + s.ox, by = y + s.oy;
    if (s.contains(bx, by)) apply(s.at(bx, by), Ink{rgb, mode});
}

void fillRect(Target& t, Rect r, uint32_t rgb, PenMode mode) {
    const Surface s(t);
    if (s.empty() || r.empty()) return;
    const i64 l = std::max<i64>(r.left + s.ox, s.clip.left), rr = std::min<i64>(r.right + s.ox, s.clip.right);
    const i64 tp = std::max<i64>(r.top + s.oy, s.clip.top), b = std::min<i64>(r.bottom + s.oy, s.clip.bottom);
    const Ink ink{rgb, mode};
    for (i64 y = tp; y < b; ++y)
        if (l < rr) applySpan(s.row(y), static_cast<int>(l), static_cast<int>(rr), ink);
}

void draw(Target& t, int x, int y, const Bitmap& src) {
    const Surface s(t);
    if (s.empty() || !usable(src)) return;
    const i64 bx = x + s.ox, by = y + s.oy;
    const i64 l = std::max<i64>(bx, s.clip.left), r = std::min<i64>(bx + src.width, s.clip.right);
    const i64 tp = std::max<i64>(by, s.clip.top), b = std::min<i64>(by + src.height, s.clip.bottom);
    if (l >= r) return;
    for (i64 yy = tp; yy < b; ++yy) {
        const uint32_t* from = &src.pixels[static_cast<size_t>(yy - by) * src.width + static_cast<size_t>(l - bx)];
        uint32_t* to = s.row(yy) + l;
        for (i64 i = 0; i < r - l; ++i) to[i] = from[i] | kOpaque;
    }
}

void stretchDraw(Target& t, Rect dst, const Bitmap& src) {
    const Surface s(t);
    if (s.empty() || dst.empty() || !usable(src)) return;
    const i64 dl = dst.left + s.ox, dt = dst.top + s.oy;
    const i64 dw = i64{dst.right} - dst.left, dh = i64{dst.bottom} - dst.top;
    const i64 l = std::max<i64>(dl, s.clip.left), r = std::min<i64>(dl + dw, s.clip.right);
    const i64 tp = std::max<i64>(dt, s.clip.top), b = std::min<i64>(dt + dh, s.clip.bottom);
    if (l >= r || tp >= b) return;
    // Nearest neighbour: destination pixel i samples the source at the centre of its cell.
    std::vector<int> cols(static_cast<size_t>(r - l));
    for (i64 x = l; x < r; ++x)
        cols[static_cast<size_t>(x - l)] = static_cast<int>((i128{2} * (x - dl) + 1) * src.width / (i128{2} * dw));
    for (i64 y = tp; y < b; ++y) {
        const i64 sy = static_cast<i64>((i128{2} * (y - dt) + 1) * src.height / (i128{2} * dh));
        const uint32_t* from = &src.pixels[static_cast<size_t>(sy) * src.width];
        uint32_t* to = s.row(y);
        for (i64 x = l; x < r; ++x) to[x] = from[cols[static_cast<size_t>(x - l)]] | kOpaque;
    }
}

}  // namespace ui::raster
