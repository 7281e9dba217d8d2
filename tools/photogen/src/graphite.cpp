#include "graphite.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "pearlite.h"
#include "rng.h"
#include "sem.h"
#include "tessellation.h"

namespace pg {

std::vector<float> flake_distance(const std::vector<Flake>& flakes, int w, int h, double reach) {
  std::vector<float> d(static_cast<size_t>(w) * h, static_cast<float>(reach));
  for (const Flake& f : flakes)
    for (size_t i = 0; i + 1 < f.x.size(); ++i) {
      const double ax = f.x[i], ay = f.y[i], bx = f.x[i + 1], by = f.y[i + 1];
      const double r = std::max(f.half[i], f.half[i + 1]) + reach;
      const int x0 = std::max(0, static_cast<int>(std::floor(std::min(ax, bx) - r)));
      const int x1 = std::min(w - 1, static_cast<int>(std::ceil(std::max(ax, bx) + r)));
      const int y0 = std::max(0, static_cast<int>(std::floor(std::min(ay, by) - r)));
      const int y1 = std::min(h - 1, static_cast<int>(std::ceil(std::max(ay, by) + r)));
      const double vx = bx - ax, vy = by - ay, len2 = vx * vx + vy * vy;
      for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
          const double px = x + 0.5, py = y + 0.5;
          const double t = len2 > 0 ? std::clamp(((px - ax) * vx + (py - ay) * vy) / len2, 0.0, 1.0) : 0.0;
          const double half = f.half[i] + t * (f.half[i + 1] - f.half[i]);
          const double dist = std::hypot(px - (ax + t * vx), py - (ay + t * vy)) - half;
          float& dd = d[static_cast<size_t>(y) * w + x];
          dd = std::min(dd, static_cast<float>(dist));
        }
    }
  return d;
}

Image grey_cast_iron(int w, int h, double field_um, uint64_t seed) {
  constexpr int S = 2;
  Rng rng(seed);
  const int W = S * w, H = S * h;
  const double pu = W / field_um;
  const auto flakes = grow_flakes(rng.next(), W, H, pu);
  const auto dist = flake_distance(flakes, W, H, 3 * pu);

  const double m = 10 * pu;
  const Box box{-m, -m, W + m, H + m};
  const auto col_sites = lognormal_sites(rng, box, 6 * pu, 0.4);
  const Tessellation colonies(col_sites, box, 3 * pu);
  std::vector<PearliteColony> colony(col_sites.size());
  std::vector<double> level(col_sites.size());
  for (size_t i = 0; i < colony.size(); ++i) {
    PearliteColony& c = colony[i];
    const double a = rng.uniform(0, 3.14159265358979);
    c.nx = std::cos(a);
    c.ny = std::sin(a);
    c.spacing = std::clamp(rng.lognormal(0.38, 0.3), 0.22, 0.8) * pu;
    c.cementite = 0.22;
    c.bend = rng.uniform(0.5, 1.6);
    c.bend_scale = rng.uniform(1.2, 3.0) * pu;
    c.seed = rng.next();
    // Colonies differ a little in brightness (orientation, etching).
    level[i] = rng.uniform(0.9, 1.1);
  }
  const uint64_t nseed = rng.next();
  Field z(W, H), yield(W, H, 1.0f);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double d = dist[static_cast<size_t>(y) * W + x];
      double zz;
      // A thin seam of ferrite often surrounds the flakes.
      const double seam = (0.35 + 0.3 * fbm(nseed, px / (4 * pu), py / (4 * pu), 2)) * pu;
      if (d > seam) {
        const auto hit = colonies.locate(px, py);
        // Deep etching leaves the cementite plates standing as ridges.
        zz = 1.6 * S * colony[hit.id].cementite_cover(px, py) - 0.6 * S * std::exp(-hit.d / (0.15 * pu));
        yield(x, y) = static_cast<float>(level[hit.id]);
      } else {
        zz = 0.0;
      }
      if (d < 0) {
        // Graphite: recessed, platy, a weak emitter; its basal layers show as
        // faint streaks along the flake.
        const double in = std::min(1.0, -d / (0.5 * S));
        zz -= in * (4.0 * S + 2.5 * S * fbm(nseed + 5, px / (0.5 * pu), py / (2.0 * pu), 3));
        yield(x, y) = static_cast<float>(1.0 - 0.4 * in);
      }
      z(x, y) = static_cast<float>(zz);
    }
  SeParams se;
  se.facing = 0.4;
  se.edge = 0.25;
  se.edge_radius = 2.0;
  se.cavity = 0.05;
  se.cavity_radius = 2 * pu;
  se.shadow = 0.3;
  const Field s = render_se(z, se, &yield);
  Field f = resize_area(s, w, h);
  ScanParams sp;
  sp.black = 0.06f;
  sp.white = 0.94f;
  sp.gamma = 0.9;
  finish_scan(f, rng, sp);
  return grey_image(f);
}

}  // namespace pg
