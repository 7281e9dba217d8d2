#include "specimen/Twins.h"

#include <algorithm>
#include <cmath>

namespace specimen {

double TwinBand::coverage(double x, double y) const {
  const double q = x * nx + y * ny - offset;
  double c = std::clamp(0.5 * width - std::abs(q) + 0.5, 0.0, 1.0);
  if (partial) {
    const double t = -x * ny + y * nx;
    c = std::min(c, std::clamp(end - t + 0.5, 0.0, 1.0));
  }
  return c;
}

double TwinBand::edge_distance(double x, double y) const {
  const double q = x * nx + y * ny - offset;
  double d = std::abs(0.5 * width - std::abs(q));
  if (partial) {
    const double t = -x * ny + y * nx;
    if (t > end) d = std::max(d, t - end);
  }
  return d;
}

}  // namespace specimen
