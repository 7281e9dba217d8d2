#include "specimen/Graphite.h"

#include <algorithm>
#include <cmath>

#include "specimen/Rng.h"

namespace specimen {

namespace {

Flake walk(Rng& rng, double x, double y, double angle, double length, double width, double step) {
  Flake f;
  const int n = std::max(2, static_cast<int>(length / step));
  double turn = 0;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / (n - 1);
    // Thickest a little behind the middle, thinning to sharp tips.
    const double taper = std::pow(std::sin(3.14159265358979 * std::clamp(s, 0.0, 1.0)), 0.6);
    f.x.push_back(x);
    f.y.push_back(y);
    f.half.push_back(0.5 * width * (0.15 + 0.85 * taper) * (1.0 + 0.15 * rng.normal()));
    turn = 0.8 * turn + rng.normal(0, 0.035);
    angle += turn;
    x += step * std::cos(angle);
    y += step * std::sin(angle);
  }
  return f;
}

}  // namespace

std::vector<Flake> grow_flakes(uint64_t seed, int w, int h, double pu) {
  Rng rng(seed);
  std::vector<Flake> flakes;
  const double step = 0.25 * pu;
  // Long flakes crossing the field, then shorter ones; some branch.
  for (int k = 0; k < 7; ++k) {
    const bool main = k < 3;
    const double len = main ? rng.uniform(1.1, 1.5) * w : rng.uniform(0.25, 0.6) * w;
    const double angle = rng.normal(main ? 0.15 : 0.4, 0.35) + (rng.chance(0.5) ? 0.0 : 3.14159265358979);
    const double cx = main ? w * 0.5 + rng.normal(0, 0.1 * w) : rng.uniform(0, w);
    const double cy = main ? h * (0.2 + 0.3 * k) + rng.normal(0, 0.05 * h) : rng.uniform(0, h);
    const double x0 = cx - 0.5 * len * std::cos(angle), y0 = cy - 0.5 * len * std::sin(angle);
    const double width = (main ? rng.uniform(1.6, 2.6) : rng.uniform(0.8, 1.5)) * pu;
    Flake f = walk(rng, x0, y0, angle, len, width, step);
    const int branches = main ? rng.below(3) : (rng.chance(0.3) ? 1 : 0);
    for (int b = 0; b < branches; ++b) {
      const size_t at = static_cast<size_t>(rng.uniform(0.2, 0.8) * (f.x.size() - 1));
      const double dir = std::atan2(f.y[at + 1] - f.y[at], f.x[at + 1] - f.x[at]);
      const double ang = dir + (rng.chance(0.5) ? 1 : -1) * rng.uniform(0.35, 0.7);
      flakes.push_back(walk(rng, f.x[at], f.y[at], ang, rng.uniform(0.15, 0.4) * w, 1.6 * f.half[at], step));
    }
    flakes.push_back(std::move(f));
  }
  return flakes;
}

}  // namespace specimen
