// The atom of the ionisation pictures: a red nucleus of radius 40 in a glow of wide
// rings that turn from yellow at the nucleus to red outwards.
#pragma once

#include "ui/Canvas.h"

namespace frame {

// The glow colour of ring e (radius 4e): R 255, G 269 - e, B 0, i.e. $10DFF - 256e.
constexpr ui::TColor glowColour(int e) { return static_cast<ui::TColor>(0x10DFF - 256 * e); }

// Nucleus about (cx, cy): pen solid, width 1, colour $000001, brush red, circle of
// radius 40; then the glow rings e = 14 .. lastRing (inclusive), each an outline of
// radius 4e with a clear brush and a pen of width 8. Leaves the pen solid, width 8,
// in the colour of the last ring, and the brush clear.
void paintNucleus(ui::Canvas& c, int cx, int cy, int lastRing);

}  // namespace frame
