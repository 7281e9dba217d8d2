// Shapes that move by inverting: drawn in pen mode not-xor, a shape drawn twice at the
// same place restores every pixel under it, so each step draws the shape at its old
// place (removing it), moves it, and draws it at the new place. A repaint in between
// leaves a stray copy, as on the classic desktop.
#pragma once

#include <utility>

#include "ui/Canvas.h"

namespace frame {

// The inverting drawing state of the moving discs: pen black, width 1, brush black
// solid, pen mode not-xor. Changes nothing else (the pen style stays as it is).
inline void invertingDiscs(ui::Canvas& c) {
    c.pen.color = ui::clBlack;
    c.pen.width = 1;
    c.brush.setColor(ui::clBlack);
    c.pen.mode = ui::PenMode::NotXor;
}

// The disc of radius r about (cx, cy): the ellipse from (cx - r, cy - r) to (cx + r, cy + r).
inline void disc(ui::Canvas& c, int cx, int cy, int r) { c.Ellipse(cx - r, cy - r, cx + r, cy + r); }

// One step of a shape moved by inverting: draw() at the old place, step(), draw() at the
// new place. draw() reads the position that step() changes.
template <class Draw, class Step>
void moveInverted(Draw&& draw, Step&& step) {
    draw();
    std::forward<Step>(step)();
    draw();
}

}  // namespace frame
