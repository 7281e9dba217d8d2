#include "ui/Canvas.h"

#include "ui/text/TextEngine.h"

namespace ui {

std::optional<raster::Target> Canvas::target() const {
    raster::Bitmap* b = host_.canvasBitmap();
    if (!b) return std::nullopt;
    const Rect bounds = host_.canvasBounds();
    Rect clip = bounds.intersected(Rect{0, 0, b->width, b->height});
    if (hasPaintClip_)
        clip = clip.intersected(Rect{paintClip_.left + bounds.left, paintClip_.top + bounds.top,
                                     paintClip_.right + bounds.left, paintClip_.bottom + bounds.top});
    if (clip.empty()) return std::nullopt;
    return raster::Target(*b, bounds.left, bounds.top, clip);
}

void Canvas::setPaintClip(const Rect* r) {
    hasPaintClip_ = r != nullptr;
    if (r) paintClip_ = *r;
}

raster::Pen Canvas::rasterPen() const {
    raster::Pen p;
    p.rgb = toPixel(pen.color);
    p.width = pen.width < 1 ? 1 : pen.width;
    p.style = pen.style == PenStyle::Dot ? raster::PenStyle::Dot : raster::PenStyle::Solid;
    p.mode = pen.mode == PenMode::NotXor ? raster::PenMode::NotXor : raster::PenMode::Copy;
    return p;
}

raster::Brush Canvas::rasterBrush() const {
    return raster::Brush{toPixel(brush.color()), brush.style == BrushStyle::Solid};
}

void Canvas::changed(const raster::Target& t) { host_.canvasChanged(t.clip); }

void Canvas::LineTo(int x, int y) {
    if (auto t = target()) {
        raster::line(*t, rasterPen(), rasterBrush(), penPos_.x, penPos_.y, x, y);
        changed(*t);
    }
    penPos_ = {x, y};
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (auto t = target()) {
        raster::rectangle(*t, rasterPen(), rasterBrush(), x1, y1, x2, y2);
        changed(*t);
    }
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (auto t = target()) {
        raster::ellipse(*t, rasterPen(), rasterBrush(), x1, y1, x2, y2);
        changed(*t);
    }
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    if (auto t = target()) {
        raster::arc(*t, rasterPen(), rasterBrush(), x1, y1, x2, y2, x3, y3, x4, y4);
        changed(*t);
    }
}

void Canvas::Polygon(const std::vector<Point>& pts) {
    if (pts.empty()) return;
    if (auto t = target()) {
        raster::polygon(*t, rasterPen(), rasterBrush(), pts.data(), static_cast<int>(pts.size()));
        changed(*t);
    }
}

void Canvas::Polyline(const std::vector<Point>& pts) {
    if (pts.empty()) return;
    if (auto t = target()) {
        raster::polyline(*t, rasterPen(), rasterBrush(), pts.data(), static_cast<int>(pts.size()));
        changed(*t);
    }
    penPos_ = pts.back();
}

void Canvas::FillRect(const Rect& r) {
    if (brush.style == BrushStyle::Clear) return;
    if (auto t = target()) {
        raster::fillRect(*t, r, toPixel(brush.color()), raster::PenMode::Copy);
        changed(*t);
    }
}

void Canvas::SetPixel(int x, int y, TColor c) {
    if (auto t = target()) {
        raster::plot(*t, x, y, toPixel(c), pen.mode == PenMode::NotXor ? raster::PenMode::NotXor : raster::PenMode::Copy);
        changed(*t);
    }
}

TColor Canvas::Pixel(int x, int y) const {
    if (auto t = target()) {
        const int bx = x + t->originX, by = y + t->originY;
        if (t->clip.contains(bx, by)) return fromPixel(t->bitmap->at(bx, by));
    }
    return 0xFFFFFFFFu;  // outside: the classic "no colour" value
}

void Canvas::TextOut(int x, int y, std::string_view s) {
    // The pen ends behind the text also where nothing is drawn (clipped, or a hidden window).
    if (auto t = target()) {
        const int w = text::drawText(*t, x, y, font, s, brush.style == BrushStyle::Solid, toPixel(brush.color()));
        penPos_ = {x + w, y};
        changed(*t);
    } else {
        penPos_ = {x + TextWidth(s), y};
    }
}

int Canvas::TextWidth(std::string_view s) const { return text::textWidth(font, s); }

int Canvas::TextHeight(std::string_view) const { return text::metrics(font).cellHeight(); }

void Canvas::Draw(int x, int y, const raster::Bitmap& bmp) {
    if (auto t = target()) {
        raster::draw(*t, x, y, bmp);
        changed(*t);
    }
}

void Canvas::StretchDraw(const Rect& r, const raster::Bitmap& bmp) {
    if (auto t = target()) {
        raster::stretchDraw(*t, r, bmp);
        changed(*t);
    }
}

}  // namespace ui
