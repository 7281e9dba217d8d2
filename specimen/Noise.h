// Smooth lattice noise for textures and gentle irregularity, and the smooth step the
// models shade their edges with.
#pragma once

#include <cstdint>

namespace specimen {

// Gradient noise in [-1, 1] (roughly), smooth, period-free, seeded.
double gradient_noise(uint64_t seed, double x, double y);

// Fractal sum of gradient noise octaves; each octave doubles the frequency
// and multiplies the amplitude by gain. Normalised to roughly [-1, 1].
double fbm(uint64_t seed, double x, double y, int octaves, double gain = 0.5);

// Smooth random value in [0, 1) per integer cell, for per-cell picks.
double cell_value(uint64_t seed, int64_t i, int64_t j);

// floor(x) as an integer without a call into the maths library (|x| well below 2^62).
inline int64_t floorToInt(double x) {
  const int64_t t = static_cast<int64_t>(x);
  return t - (x < static_cast<double>(t));
}

// 0 below e0, 1 above e1 (or the reverse when e1 < e0), a cubic in between.
inline double smoothstep(double e0, double e1, double x) {
  double t = (x - e0) / (e1 - e0);
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return t * t * (3 - 2 * t);
}

}  // namespace specimen
