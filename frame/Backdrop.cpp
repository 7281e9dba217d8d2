#include "frame/Backdrop.h"

namespace frame {

namespace {
template <class Shape>
void rings(ui::Canvas& c, int penWidth, ui::TColor (*colour)(int), Shape shape) {
    for (int i = 1; i <= 255; ++i) {
        c.brush.style = ui::BrushStyle::Clear;
        c.pen.width = penWidth;
        c.pen.color = colour(i);
        shape(i);
    }
}

ui::TColor ramp(int i) { return rampColour(i); }
ui::TColor light(int i) { return 0xFFFFFFu - static_cast<ui::TColor>(i) * 0x10000u; }
}  // namespace

void paintStripes(ui::Canvas& c, int endX) {
    rings(c, 3, ramp, [&](int i) {
        c.MoveTo(0, 3 * i);
        c.LineTo(endX, 3 * i);
    });
}

void paintLightStripes(ui::Canvas& c, int endX) {
    rings(c, 3, light, [&](int i) {
        c.MoveTo(0, 2 * i);
        c.LineTo(endX, 2 * i);
    });
}

void paintDisc(ui::Canvas& c, int cx, int cy) {
    rings(c, 10, ramp, [&](int i) { c.Ellipse(cx - 4 * i, cy - 4 * i, cx + 4 * i, cy + 4 * i); });
}

void paintSmallDisc(ui::Canvas& c, int cx, int cy) {
    rings(c, 12, ramp, [&](int i) { c.Ellipse(cx - 2 * i, cy - 2 * i, cx + 2 * i, cy + 2 * i); });
}

void paintEllipses(ui::Canvas& c, int cx, int cy) {
    rings(c, 16, ramp, [&](int i) { c.Ellipse(cx - 4 * i, cy - 10 * i, cx + 4 * i, cy + 10 * i); });
}

}  // namespace frame
