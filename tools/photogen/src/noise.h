// Smooth lattice noise for textures and gentle irregularity.
#pragma once

#include <cstdint>

namespace pg {

// Gradient noise in [-1, 1] (roughly), smooth, period-free, seeded.
double gradient_noise(uint64_t seed, double x, double y);

// Fractal sum of gradient noise octaves; each octave doubles the frequency
// and multiplies the amplitude by gain. Normalised to roughly [-1, 1].
double fbm(uint64_t seed, double x, double y, int octaves, double gain = 0.5);

// Smooth random value in [0, 1) per integer cell, for per-cell picks.
double cell_value(uint64_t seed, int64_t i, int64_t j);

}  // namespace pg

#include "image.h"

namespace pg {

// fbm(seed, x / scale, y / scale, octaves) for every pixel (x, y) of a w x h
// raster, evaluated on a lattice every 'step' pixels and interpolated
// bilinearly in between. For fields that are smooth over many pixels this is
// close to the direct evaluation and much cheaper.
Field noise_field(uint64_t seed, int w, int h, double scale, int octaves, int step = 4, double gain = 0.5);

}  // namespace pg
