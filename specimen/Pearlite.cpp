#include "specimen/Pearlite.h"

#include <algorithm>
#include <cmath>

#include "specimen/Noise.h"

namespace specimen {

double PearliteColony::cementite_cover(double x, double y) const {
  double phase = (x * nx + y * ny) / spacing;
  phase += bend * fbm(seed, x / bend_scale, y / bend_scale, 3);
  const double f = phase - std::floor(phase);
  const double dc = std::min(f, 1 - f) * spacing;  // distance to the nearest cementite plate
  const double half = 0.5 * cementite * spacing;
  double dark = smoothstep(half + 0.8, half - 0.8, dc);
  // Plates are interrupted here and there (degenerate lamellae).
  const double gap = fbm(seed + 11, x / (0.6 * bend_scale), y / (0.6 * bend_scale), 2);
  dark *= smoothstep(-0.55, -0.35, gap);
  return dark;
}

double PearliteColony::reflectance(double x, double y) const {
  const double dark = cementite_cover(x, y);
  // Etched ferrite between the plates is darker than free ferrite.
  return std::clamp(0.44 - 0.4 * etch * dark - 0.12 * (etch - 1.0), 0.0, 1.0);
}

}  // namespace specimen
