#include "frame/Atom.h"

namespace frame {

void paintNucleus(ui::Canvas& c, int cx, int cy, int lastRing) {
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    c.pen.color = 0x000001;
    c.brush.setColor(ui::clRed);
    c.Ellipse(cx - 40, cy - 40, cx + 40, cy + 40);
    for (int e = 14; e <= lastRing; ++e) {
        c.brush.style = ui::BrushStyle::Clear;
        c.pen.width = 8;
        c.pen.color = glowColour(e);
        c.Ellipse(cx - 4 * e, cy - 4 * e, cx + 4 * e, cy + 4 * e);
    }
}

}  // namespace frame
