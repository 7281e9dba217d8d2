// Smooth lattice noise (the specimen models' own) and its rasters.
#pragma once

#include <cstdint>

#include "image.h"
#include "specimen/Noise.h"

namespace pg {

using specimen::cell_value;
using specimen::fbm;
using specimen::gradient_noise;

// fbm(seed, x / scale, y / scale, octaves) for every pixel (x, y) of a w x h
// raster, evaluated on a lattice every 'step' pixels and interpolated
// bilinearly in between. For fields that are smooth over many pixels this is
// close to the direct evaluation and much cheaper.
Field noise_field(uint64_t seed, int w, int h, double scale, int octaves, int step = 4, double gain = 0.5);

}  // namespace pg
