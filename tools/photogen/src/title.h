// The decorative background of the title window.
#pragma once

#include "image.h"

namespace pg {

// Broad diagonal bands shading from blue to yellow and back, in the colour
// ramp the program's backdrops use (yellow through grey to blue).
Image title_background(int w, int h);

// The program's backdrop ramp: step i (1..255) has R = 256 - i, G = 255 - i, B = i - 1.
Rgb backdrop_ramp(double t);  // t = 0 yellow .. 1 blue

}  // namespace pg
