#include "specimen/Noise.h"

#include <cmath>

#include "specimen/Rng.h"

namespace specimen {

namespace {
inline double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// Dot product of a hashed unit gradient at lattice point (i, j) with (dx, dy).
inline double grad(uint64_t seed, int64_t i, int64_t j, double dx, double dy) {
  static const double g[16][2] = {
      {1, 0},          {0.92388, 0.38268},   {0.70711, 0.70711},   {0.38268, 0.92388},
      {0, 1},          {-0.38268, 0.92388},  {-0.70711, 0.70711},  {-0.92388, 0.38268},
      {-1, 0},         {-0.92388, -0.38268}, {-0.70711, -0.70711}, {-0.38268, -0.92388},
      {0, -1},         {0.38268, -0.92388},  {0.70711, -0.70711},  {0.92388, -0.38268}};
  const int k = static_cast<int>(hash3(seed, i, j) >> 60);
  return g[k][0] * dx + g[k][1] * dy;
}
}  // namespace

double gradient_noise(uint64_t seed, double x, double y) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int64_t i = static_cast<int64_t>(fx), j = static_cast<int64_t>(fy);
  const double dx = x - fx, dy = y - fy;
  const double u = fade(dx), v = fade(dy);
  const double n00 = grad(seed, i, j, dx, dy);
  const double n10 = grad(seed, i + 1, j, dx - 1, dy);
  const double n01 = grad(seed, i, j + 1, dx, dy - 1);
  const double n11 = grad(seed, i + 1, j + 1, dx - 1, dy - 1);
  const double a = n00 + u * (n10 - n00);
  const double b = n01 + u * (n11 - n01);
  return 1.41421356 * (a + v * (b - a));
}

double fbm(uint64_t seed, double x, double y, int octaves, double gain) {
  double sum = 0, amp = 1, norm = 0, f = 1;
  for (int o = 0; o < octaves; ++o) {
    // Rotating each octave a little hides the lattice axes.
    const double c = 0.8, s = 0.6;
    const double xr = x * c - y * s, yr = x * s + y * c;
    sum += amp * gradient_noise(seed + 7919ull * o, xr * f + 17.3 * o, yr * f - 9.1 * o);
    norm += amp;
    amp *= gain;
    f *= 2.0;
    x = xr;
    y = yr;
  }
  return sum / norm;
}

double cell_value(uint64_t seed, int64_t i, int64_t j) { return to_unit(hash3(seed, i, j)); }

}  // namespace specimen
