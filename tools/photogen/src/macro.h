// Stereo-microscope views of corroded and coated surfaces.
//
// A surface is a height field with a colour (albedo) and a gloss per point,
// lit by the two fibre-optic lights of a stereo microscope from the upper
// left and upper right, then seen through the optics (slight blur, warm
// halogen light, vignetting, sensor noise).
#pragma once

#include <cstdint>

#include "image.h"
#include "rng.h"

namespace pg {

struct Surface {
  Field height;  // pixels
  Image albedo;
  Field gloss;   // 0 matt .. 1 metallic
  explicit Surface(int w, int h) : height(w, h), albedo(w, h), gloss(w, h) {}
};

Image light_surface(const Surface& s);
Image stereo_capture(Image img, Rng& rng);

// The four views; w x h pixels over a field field_um wide.
Image corroded_tube_crack(int w, int h, double field_um, uint64_t seed);
Image tube_oxide_deposit(int w, int h, double field_um, uint64_t seed);
Image chromium_steel_deposit(int w, int h, double field_um, uint64_t seed);
Image porous_deposit(int w, int h, double field_um, uint64_t seed);

}  // namespace pg
