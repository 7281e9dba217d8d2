#include "austenite.h"

#include <algorithm>
#include <cmath>

#include "lightmicro.h"
#include "noise.h"
#include "rng.h"
#include "tessellation.h"

namespace pg {

namespace {

// Range of p.n over a convex cell.
void project(const std::vector<Tessellation::Vertex>& cell, double nx, double ny, double& lo, double& hi) {
  lo = 1e300;
  hi = -1e300;
  for (const auto& v : cell) {
    const double s = v.x * nx + v.y * ny;
    lo = std::min(lo, s);
    hi = std::max(hi, s);
  }
}

struct Needle {
  double x, y, ca, sa, len, wid;
  int grain;
};

struct Particle {
  double x, y, ca, sa, a, b;  // centre, orientation, half-axes along and across
};

}  // namespace

Image austenite_micrograph(int w, int h, double field_um, uint64_t seed, const AusteniteOptions& opt) {
  constexpr int S = 2;
  Rng rng(seed);
  const int W = S * w, H = S * h;
  const double pu = W / field_um;
  const double m = 60 * pu;
  const Box box{-m, -m, W + m, H + m};
  const auto sites = lognormal_sites(rng, box, 42 * pu, 0.45);
  const Tessellation t(sites, box, 16 * pu);
  const size_t n = sites.size();

  // Orientation contrast of the etched grains; after the long carburising
  // treatment the etch is more even and the carbides dominate.
  const double tone_lo = opt.carbides ? 0.72 : 0.5, tone_hi = 0.93;
  std::vector<double> tone(n);
  std::vector<std::vector<TwinBand>> twins(n);
  for (size_t i = 0; i < n; ++i) {
    tone[i] = rng.uniform(tone_lo, tone_hi);
    const auto& cell = t.cell(static_cast<int>(i));
    if (cell.empty()) continue;
    const int count = std::min(5, static_cast<int>(std::floor(rng.lognormal(1.6, 0.7))));
    const double a0 = rng.uniform(0, 3.14159265358979);
    for (int k = 0; k < count; ++k) {
      TwinBand b;
      // Mostly one set of parallel twins per grain, sometimes a second.
      const double a = (k > 0 && rng.chance(0.2)) ? a0 + 1.2309594 : a0;
      b.nx = std::cos(a);
      b.ny = std::sin(a);
      double lo, hi;
      project(cell, b.nx, b.ny, lo, hi);
      b.width = std::clamp(rng.lognormal(5.0, 0.6), 1.5, 22.0) * pu;
      b.offset = rng.uniform(lo + 0.15 * (hi - lo), hi - 0.15 * (hi - lo));
      double tlo, thi;
      project(cell, -b.ny, b.nx, tlo, thi);
      b.partial = rng.chance(0.3);
      b.end = rng.uniform(tlo + 0.3 * (thi - tlo), thi - 0.1 * (thi - tlo));
      const double shift = rng.uniform(0.1, 0.25) * (rng.chance(0.5) ? 1 : -1);
      b.tone = std::clamp(tone[i] + shift, tone_lo - 0.05, tone_hi + 0.02);
      twins[i].push_back(b);
    }
  }

  // Martensite formed during deformation: bundles of thin straight needles
  // along one or two directions in some grains.
  std::vector<Needle> needles;
  if (opt.deformation_martensite) {
    for (size_t i = 0; i < n; ++i) {
      const auto& cell = t.cell(static_cast<int>(i));
      if (cell.empty() || !rng.chance(0.4)) continue;
      double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
      for (const auto& v : cell) {
        x0 = std::min(x0, v.x);
        y0 = std::min(y0, v.y);
        x1 = std::max(x1, v.x);
        y1 = std::max(y1, v.y);
      }
      if (x1 < 0 || y1 < 0 || x0 > W || y0 > H) continue;
      const double a0 = twins[i].empty() ? rng.uniform(0, 3.14159265358979)
                                         : std::atan2(twins[i][0].nx, -twins[i][0].ny);
      const int bundles = 1 + rng.below(3);
      for (int b = 0; b < bundles; ++b) {
        const double a = a0 + (rng.chance(0.4) ? 1.2309594 : 0.0) + rng.normal(0, 0.03);
        const double bx = rng.uniform(x0, x1), by = rng.uniform(y0, y1);
        const int count = 4 + rng.below(12);
        for (int k = 0; k < count; ++k) {
          Needle nd;
          const double off = rng.normal(0, 6 * pu), along = rng.normal(0, 8 * pu);
          nd.ca = std::cos(a);
          nd.sa = std::sin(a);
          nd.x = bx + along * nd.ca - off * nd.sa;
          nd.y = by + along * nd.sa + off * nd.ca;
          nd.len = std::clamp(rng.lognormal(18, 0.5), 5.0, 60.0) * pu;
          nd.wid = rng.uniform(0.5, 1.1) * pu;
          nd.grain = static_cast<int>(i);
          needles.push_back(nd);
        }
      }
    }
  }

  // Chromium carbides: chains of particles along every grain boundary (twin
  // boundaries, with their low energy, stay free of them).
  // Boundaries are looked up through a gentle distortion of the plane.
  const uint64_t wseed = rng.next();
  const double wamp = 1.2 * pu, wscale = 18 * pu;
  auto unwarp = [&](double& x, double& y) {
    // First-order inverse of the distortion, to put particles on the
    // boundaries as they appear in the picture.
    const double dx = wamp * fbm(wseed, x / wscale, y / wscale, 2), dy = wamp * fbm(wseed + 1, x / wscale, y / wscale, 2);
    x -= dx;
    y -= dy;
  };
  std::vector<Particle> carbides;
  if (opt.carbides) {
    for (size_t i = 0; i < n; ++i) {
      const auto& cell = t.cell(static_cast<int>(i));
      for (size_t k = 0; k < cell.size(); ++k) {
        const auto& a = cell[k];
        const auto& b = cell[(k + 1) % cell.size()];
        if (a.next_label < 0 || a.next_label < static_cast<int>(i)) continue;  // each boundary once
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        if (len <= 0) continue;
        const double mx = 0.5 * (a.x + b.x), my = 0.5 * (a.y + b.y);
        if (mx < -len || my < -len || mx > W + len || my > H + len) continue;
        const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
        const double density = rng.uniform(0.6, 1.4);  // boundaries differ in how densely they are decorated
        double s = rng.uniform(0, 2 * pu);
        while (s < len) {
          Particle p;
          const double off = rng.normal(0, 0.25 * pu);
          p.x = a.x + ux * s - uy * off;
          p.y = a.y + uy * s + ux * off;
          unwarp(p.x, p.y);
          p.ca = ux;
          p.sa = uy;
          p.b = std::clamp(rng.lognormal(0.6, 0.4), 0.25, 1.6) * pu;
          p.a = p.b * rng.uniform(1.0, 3.0);
          carbides.push_back(p);
          s += std::clamp(rng.lognormal(2.6, 0.6), 0.8, 12.0) * pu / density;
        }
      }
    }
  }

  const uint64_t gseed = rng.next(), eseed = rng.next();
  const CellMap cm = warped_cells(t, W, H, wseed, wamp, wscale);
  Field val(W, H);
  const double gw = 0.35 * pu;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const size_t i = cm.index(x, y);
      const int id = cm.id[i];
      const double px = x + 0.5, py = y + 0.5;
      double v = tone[id];
      for (const TwinBand& b : twins[id]) {
        const double c = b.coverage(px, py);
        v += (b.tone - v) * c;
      }
      // Coherent twin boundaries etch only faintly.
      for (const TwinBand& b : twins[id]) v *= 1.0 - 0.12 * groove(b.edge_distance(px, py), 0.3 * pu);
      if (cm.id2[i] >= 0) {
        const double depth = opt.carbides ? 0.55 : 0.75;
        v *= 1.0 - depth * boundary_strength(gseed, id, cm.id2[i], px, py, 12 * pu) * groove(cm.d[i], gw);
      }
      v *= 1.0 + 0.035 * fbm(eseed, px / (60 * pu), py / (60 * pu), 2);
      // Fine etch relief within the grains.
      v *= 1.0 + 0.025 * fbm(eseed + id, px / (2.5 * pu), py / (2.5 * pu), 2);
      val(x, y) = static_cast<float>(v);
    }

  // Needles and carbides darken what lies under them.
  for (const Needle& nd : needles) {
    const int r = static_cast<int>(0.5 * nd.len) + 2;
    for (int y = std::max(0, static_cast<int>(nd.y) - r); y <= std::min(H - 1, static_cast<int>(nd.y) + r); ++y)
      for (int x = std::max(0, static_cast<int>(nd.x) - r); x <= std::min(W - 1, static_cast<int>(nd.x) + r); ++x) {
        if (cm.id[cm.index(x, y)] != nd.grain) continue;
        const double dx = x + 0.5 - nd.x, dy = y + 0.5 - nd.y;
        const double u = dx * nd.ca + dy * nd.sa, q = -dx * nd.sa + dy * nd.ca;
        const double taper = 1.0 - std::pow(std::abs(u) / (0.5 * nd.len), 4);
        if (taper <= 0) continue;
        const double cov = std::clamp(0.5 * nd.wid * taper + 0.5 - std::abs(q), 0.0, 1.0);
        val(x, y) *= static_cast<float>(1.0 - 0.6 * cov);
      }
  }
  for (const Particle& p : carbides) {
    const int r = static_cast<int>(p.a) + 2;
    for (int y = std::max(0, static_cast<int>(p.y) - r); y <= std::min(H - 1, static_cast<int>(p.y) + r); ++y)
      for (int x = std::max(0, static_cast<int>(p.x) - r); x <= std::min(W - 1, static_cast<int>(p.x) + r); ++x) {
        const double dx = x + 0.5 - p.x, dy = y + 0.5 - p.y;
        const double u = dx * p.ca + dy * p.sa, q = -dx * p.sa + dy * p.ca;
        const double rr = std::hypot(u / p.a, q / p.b);
        const double cov = std::clamp((1.0 - rr) * p.b + 0.5, 0.0, 1.0);
        val(x, y) *= static_cast<float>(1.0 - 0.88 * cov);
      }
  }

  Image refl(W, H);
  for (size_t i = 0; i < val.data().size(); ++i) {
    const float v = val.data()[i];
    refl.data()[i] = Rgb(v * 1.02f, v, v * 0.96f);
  }
  OpticsParams op;
  op.psf_sigma_um = 0.3;
  op.lamp = Rgb(1.0f, 0.95f, 0.87f);
  return optical_capture(std::move(refl), w, h, w / field_um, S, rng, op);
}

}  // namespace pg
