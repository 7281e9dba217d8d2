#include "dimples.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "noise.h"
#include "tessellation.h"

namespace pg {

// Each void grew as a sphere; the fracture surface is what is left between
// the intersecting spherical bowls, so the surface height is the lowest bowl
// at each point. Bowls of equal depth meet on the straight edges of the
// power diagram; different depths curve the rims and make their heights vary.
Field dimple_heights(int w, int h, Rng& rng, const DimpleParams& p, Field* yield) {
  const double m = 1.5 * p.median_diameter;
  const Box box{-m, -m, w + m, h + m};
  auto sites = lognormal_sites(rng, box, p.median_diameter, p.sigma);
  const Tessellation t(sites, box, std::max(8.0, p.median_diameter * 0.6));
  const size_t n = t.size();
  struct Bowl {
    double rs, depth, top, incl;
  };
  std::vector<Bowl> bowl(n);
  for (size_t i = 0; i < n; ++i) {
    const double r = sites[i].r;
    bowl[i].rs = p.sphere * r;
    bowl[i].depth = p.depth * rng.uniform(0.6, 1.25);
    bowl[i].top = rng.normal() * 0.12 * r;
    bowl[i].incl = (r > 0.55 * p.median_diameter && rng.chance(p.inclusion_chance)) ? rng.uniform(0.15, 0.28) * r : 0.0;
  }
  auto bowl_z = [&](int i, double x, double y) {
    const Site& s = sites[i];
    const double r2 = (x - s.x) * (x - s.x) + (y - s.y) * (y - s.y);
    const double rs2 = bowl[i].rs * bowl[i].rs;
    return bowl[i].top - bowl[i].depth * std::sqrt(std::max(0.0, rs2 - r2));
  };
  const uint64_t nseed = rng.next();
  const uint64_t wseed = rng.next();
  const double wamp = p.warp * p.median_diameter, wscale = 0.7 * p.median_diameter;
  const int step = std::max(1, static_cast<int>(wscale / 6));
  const Field relief = noise_field(nseed, w, h, 4.0 * p.median_diameter, 3, step);
  const Field warp_x = noise_field(wseed, w, h, wscale, 2, step);
  const Field warp_y = noise_field(wseed + 1, w, h, wscale, 2, step);
  Field out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // A smooth distortion keeps the bowls from being perfect circles.
      const double px = x + 0.5 + wamp * warp_x(x, y);
      const double py = y + 0.5 + wamp * warp_y(x, y);
      const auto hit = t.locate(px, py);
      if (hit.id < 0) continue;
      double z = bowl_z(hit.id, px, py);
      int owner = hit.id;
      for (int j : t.neighbours(hit.id)) {
        const double zj = bowl_z(j, px, py);
        if (zj < z) {
          z = zj;
          owner = j;
        }
      }
      const Bowl& b = bowl[owner];
      if (b.incl > 0) {
        // The particle at which the void started rests on the bowl floor.
        const Site& s = sites[owner];
        const double r2 = (px - s.x) * (px - s.x) + (py - s.y) * (py - s.y);
        if (r2 < b.incl * b.incl) {
          const double floor_z = b.top - b.depth * b.rs;
          const double top = floor_z + 0.5 * b.incl + std::sqrt(b.incl * b.incl - r2);
          if (top > z) {
            z = top;
            if (yield) (*yield)(x, y) *= 1.5f;
          }
        }
      }
      z += p.relief * p.median_diameter * relief(x, y);
      out(x, y) = static_cast<float>(z);
    }
  return out;
}

}  // namespace pg
