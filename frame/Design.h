// Drawing in design units: figures are designed for an 800 x 600 screen, and every
// design coordinate becomes a pixel as Round(d x ScaleX) across and Round(d x ScaleY)
// down. This is only the conversion: every call is the one canvas call the window would
// make itself, so pen, brush, font and pen position change exactly as they would there.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "frame/Layout.h"
#include "ui/Canvas.h"

namespace frame {

struct DPoint {
    double x;
    double y;
};

class Design {
public:
    Design(ui::Canvas& canvas, Scale scale) : c(canvas), s(scale) {}

    int X(double d) const { return s.X(d); }
    int Y(double d) const { return s.Y(d); }
    ui::Point P(double x, double y) const { return {s.X(x), s.Y(y)}; }

    void MoveTo(double x, double y) { c.MoveTo(X(x), Y(y)); }
    void LineTo(double x, double y) { c.LineTo(X(x), Y(y)); }
    // MoveTo the first point, LineTo the second (the end pixel stays out).
    void Line(double x1, double y1, double x2, double y2) {
        MoveTo(x1, y1);
        LineTo(x2, y2);
    }
    void Rectangle(double x1, double y1, double x2, double y2) { c.Rectangle(X(x1), Y(y1), X(x2), Y(y2)); }
    void Ellipse(double x1, double y1, double x2, double y2) { c.Ellipse(X(x1), Y(y1), X(x2), Y(y2)); }
    void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
        c.Arc(X(x1), Y(y1), X(x2), Y(y2), X(x3), Y(y3), X(x4), Y(y4));
    }
    void Polygon(std::initializer_list<DPoint> pts) { c.Polygon(points(pts)); }
    void Polyline(std::initializer_list<DPoint> pts) { c.Polyline(points(pts)); }
    void TextOut(double x, double y, std::string_view text) { c.TextOut(X(x), Y(y), text); }

    ui::Canvas& canvas() const { return c; }

private:
    std::vector<ui::Point> points(std::initializer_list<DPoint> pts) const {
        std::vector<ui::Point> v;
        v.reserve(pts.size());
        for (const DPoint& p : pts) v.push_back(P(p.x, p.y));
        return v;
    }

    ui::Canvas& c;
    Scale s;
};

}  // namespace frame
