#include "cleavage.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "tessellation.h"

namespace pg {

double RiverFacet::step_of(int64_t k) const {
  const uint64_t hh = hash3(seed, k, 17);
  // Only some of the possible lines carry a step, so the spacing varies.
  if (to_unit(mix64(hh ^ 0x5bd1e995ull)) < 0.45) return 0.0;
  const double a = to_unit(hh);
  // Most steps descend the same way; a few go the other way.
  const double sign = to_unit(mix64(hh)) < 0.8 ? 1.0 : -1.0;
  return sign * step * (0.25 + 1.5 * a * a);
}

void RiverFacet::build(double reach) {
  k_max = static_cast<int>(std::min(60000.0, std::ceil(reach / spacing) + 4));
  prefix.assign(2 * static_cast<size_t>(k_max) + 2, 0.0);
  for (int k = 1; k <= k_max; ++k) prefix[k + k_max] = prefix[k - 1 + k_max] + step_of(k - 1);
  for (int k = -1; k >= -k_max; --k) prefix[k + k_max] = prefix[k + 1 + k_max] - step_of(k);
}

double RiverFacet::line_coordinate(double u, double v) const {
  const double uu = std::clamp(u, -2.0, 2.0);
  return v * std::exp(kappa * uu) / spacing;
}

double RiverFacet::height(double u, double v, double pixel) const {
  const double uu = std::clamp(u, -2.0, 2.0);
  const double e = std::exp(kappa * uu) / spacing;
  const double psi = std::clamp(v * e, -static_cast<double>(k_max) + 1, static_cast<double>(k_max) - 1);
  const double kf = std::floor(psi);
  const int64_t k = static_cast<int64_t>(kf);
  const double f = psi - kf;
  const double tau = 0.5 + 0.35 * (to_unit(hash3(seed, k, 29)) - 0.5);
  // Soften each step over about 0.6 pixel, so that dense steps blend.
  const double eps = std::max(1e-6, 0.6 * pixel * e);
  const double s = smoothstep(tau - eps, tau + eps, f);
  return prefix[static_cast<size_t>(k + k_max)] + step_of(k) * s;
}

Field cleavage_heights(int w, int h, Rng& rng, const CleavageParams& p, Field* yield) {
  const double m = 1.2 * p.grain_diameter;
  const Box box{-m, -m, w + m, h + m};
  auto sites = lognormal_sites(rng, box, p.grain_diameter, p.sigma);
  const Tessellation t(sites, box, std::max(10.0, p.grain_diameter * 0.4));
  const size_t n = t.size();
  // Grain boundaries are not straight: the tessellation is looked up through
  // a smooth distortion of the plane.
  const uint64_t wseed = rng.next();
  const double wamp = 0.07 * p.grain_diameter, wscale = 0.45 * p.grain_diameter;
  const int step = std::max(1, static_cast<int>(p.grain_diameter / 40));
  const Field warp_x = noise_field(wseed, w, h, wscale, 3, step);
  const Field warp_y = noise_field(wseed + 1, w, h, wscale, 3, step);
  CellMap cm;
  cm.width = w;
  cm.height = h;
  cm.id.resize(static_cast<size_t>(w) * h);
  cm.id2.resize(cm.id.size());
  cm.d.resize(cm.id.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double qx = x + 0.5 + wamp * warp_x(x, y);
      const double qy = y + 0.5 + wamp * warp_y(x, y);
      const auto hit = t.locate(qx, qy);
      const size_t i = cm.index(x, y);
      cm.id[i] = hit.id;
      cm.id2[i] = hit.id2;
      cm.d[i] = static_cast<float>(hit.d);
    }

  struct Grain {
    double gx, gy, h0, ca, sa, sink, warp;
    bool ductile;
    uint64_t seed;
    RiverFacet river;
  };
  std::vector<Grain> g(n);
  const double tilt_max = p.max_tilt_deg * 3.14159265358979 / 180.0;
  for (size_t i = 0; i < n; ++i) {
    const double R = sites[i].r;
    const double th = tilt_max * std::sqrt(rng.uniform());
    const double az = rng.uniform(0, 6.283185307179586);
    g[i].gx = std::tan(th) * std::cos(az);
    g[i].gy = std::tan(th) * std::sin(az);
    g[i].h0 = rng.normal() * 0.35 * R;
    const double a = p.flow_angle + p.flow_spread * rng.normal();
    g[i].ca = std::cos(a);
    g[i].sa = std::sin(a);
    g[i].sink = rng.uniform(-0.35, 0.35);
    g[i].warp = rng.uniform(0.06, 0.16);
    g[i].ductile = rng.chance(p.ductile_share);
    g[i].seed = rng.next();
    RiverFacet& rf = g[i].river;
    rf.kappa = p.convergence * rng.uniform(0.6, 1.4);
    rf.spacing = p.river_spacing * rng.uniform(0.7, 1.5) / R;
    rf.step = p.step_height / R;
    rf.seed = g[i].seed;
    rf.build(2.6 * std::exp(2.0 * rf.kappa));
  }
  Field dimples;
  if (p.ductile_share > 0) dimples = dimple_heights(w, h, rng, p.ductile, yield);
  const uint64_t crack_seed = rng.next();
  // Smooth fields shared by all grains: bending of the river lines, gentle
  // undulation of the facets, variation of the tear ridges along a boundary.
  const double R0 = 0.5 * p.grain_diameter;
  const Field river_warp = noise_field(rng.next(), w, h, 0.8 * R0, 3, step);
  const Field undulation = noise_field(rng.next(), w, h, 0.6 * R0, 2, step);
  const Field along_field = noise_field(crack_seed + 3, w, h, 25.0, 2, std::max(1, step / 2));

  Field out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t i = cm.index(x, y);
      const int id = cm.id[i];
      const Grain& gr = g[id];
      const Site& s = sites[id];
      const double R = s.r;
      const double rx = x + 0.5 - s.x, ry = y + 0.5 - s.y;
      double z = gr.h0 + gr.gx * rx + gr.gy * ry;
      if (gr.ductile) {
        z += dimples(x, y);
      } else {
        const double u = (rx * gr.ca + ry * gr.sa) / R;
        double v = (-rx * gr.sa + ry * gr.ca) / R - gr.sink;
        v += gr.warp * river_warp(x, y);
        z += R * gr.river.height(u, v, 1.0 / R);
      }
      // Facets are not perfectly flat.
      z += 0.015 * R * undulation(x, y);
      const double d = cm.d[i];
      const int id2 = cm.id2[i];
      if (id2 >= 0) {
        const int a = std::min(id, id2), b = std::max(id, id2);
        const double pick = to_unit(hash3(crack_seed, a, b));
        // Tear ridges differ from boundary to boundary and along each one.
        const double along = 0.5 + 0.5 * along_field(x, y);
        z += p.ridge * (0.3 + 1.4 * to_unit(mix64(hash3(crack_seed, b, a)))) * along * std::exp(-d / 1.6);
        if (pick < p.crack_chance) z -= 8.0 * std::exp(-d / 0.9);
      }
      out(x, y) = static_cast<float>(z);
    }
  return out;
}

}  // namespace pg
