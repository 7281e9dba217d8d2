// The gradient backdrops that text and animation windows paint behind their figures:
// 255 outlines drawn in order i = 1 .. 255 with a clear brush.
#pragma once

#include "ui/Canvas.h"
#include "ui/Colour.h"

namespace frame {

// Colour i of the ramp: the integer product i x $FEFF taken as a TColor, from yellow
// (i = 1, $0000FEFF) through grey ($007F7F80 at i = 128) to blue (i = 255, $00FE0001).
constexpr ui::TColor rampColour(int i) { return static_cast<ui::TColor>(i) * 0xFEFFu; }

// Horizontal lines (0, 3i)-(endX, 3i), pen width 3, ramp colours.
void paintStripes(ui::Canvas& c, int endX);
// Horizontal lines (0, 2i)-(endX, 2i), pen width 3, white fading to yellow ($FFFFFF - i x $10000).
void paintLightStripes(ui::Canvas& c, int endX);
// Circles of radius 4i round the centre, pen width 10.
void paintDisc(ui::Canvas& c, int cx, int cy);
// Circles of radius 2i round the centre, pen width 12.
void paintSmallDisc(ui::Canvas& c, int cx, int cy);
// Ellipses of half width 4i and half height 10i round the centre, pen width 16.
void paintEllipses(ui::Canvas& c, int cx, int cy);

}  // namespace frame
