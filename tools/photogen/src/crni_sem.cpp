#include "crni_sem.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "rng.h"
#include "sem.h"
#include "tessellation.h"

namespace pg {

namespace {

// A delta-ferrite stringer: a thin band along the rolling direction whose
// thickness varies and which breaks up into pieces.
struct Stringer {
  double x0, x1, y0, slope, thick;
  uint64_t seed;
  std::vector<double> centre, half;  // per pixel column
  double centre_at(double x, double pu) const { return y0 + slope * (x - x0) + 1.5 * pu * fbm(seed, x / (12 * pu), 0.5, 2); }
  // Centre line and half-thickness for every pixel column of the picture.
  void profile(int w, double pu) {
    centre.assign(w, 0.0);
    half.assign(w, -1.0);
    for (int x = 0; x < w; ++x) {
      const double px = x + 0.5;
      if (px < x0 || px > x1) continue;
      const double u = (px - x0) / (x1 - x0);
      centre[x] = centre_at(px, pu);
      double t = thick * (0.65 + 0.55 * fbm(seed + 1, px / (6 * pu), 1.5, 2));
      t *= std::sqrt(std::max(0.0, 1 - std::pow(2 * u - 1, 6)));  // tapered ends
      // Gaps where the band has broken up.
      t *= smoothstep(-0.45, -0.25, fbm(seed + 2, px / (9 * pu), 2.5, 2));
      half[x] = t;
    }
  }
  // Positive inside the band: distance in pixels to its edge.
  double inside(int x, double y) const { return half[x] < 0 ? -1e9 : half[x] - std::abs(y - centre[x]); }
};

}  // namespace

CrNiSemField crni_sem_field(int w, int h, double field_um, uint64_t seed) {
  constexpr int S = 2;
  Rng rng(seed);
  const int W = S * w, H = S * h;
  const double pu = W / field_um;
  const double m = 30 * pu;
  const Box box{-m, -m, W + m, H + m};

  // Austenite grains with their (channelling) orientation contrast and twins.
  const auto sites = lognormal_sites(rng, box, 24 * pu, 0.4);
  const Tessellation t(sites, box, 10 * pu);
  std::vector<double> orient(sites.size()), twin_orient(sites.size()), twin_nx(sites.size()), twin_ny(sites.size()),
      twin_off(sites.size()), twin_w(sites.size());
  for (size_t i = 0; i < sites.size(); ++i) {
    orient[i] = rng.uniform(-1, 1);
    twin_orient[i] = rng.uniform(-1, 1);
    const double a = rng.uniform(0, 3.14159265358979);
    twin_nx[i] = std::cos(a);
    twin_ny[i] = std::sin(a);
    twin_off[i] = sites[i].x * twin_nx[i] + sites[i].y * twin_ny[i] + rng.normal(0, 5 * pu);
    twin_w[i] = rng.chance(0.6) ? rng.uniform(2, 8) * pu : 0.0;
  }

  // Delta ferrite in rows along the rolling direction.
  std::vector<Stringer> rows;
  for (int k = 0; k < 9; ++k) {
    Stringer s;
    const double len = rng.uniform(25, 85) * pu;
    s.x0 = rng.uniform(-0.2 * W, W - 0.3 * len);
    s.x1 = s.x0 + len;
    s.y0 = (k + 0.5 + rng.uniform(-0.35, 0.35)) * H / 9.0;
    s.slope = rng.normal(0, 0.02);
    s.thick = rng.uniform(0.6, 1.6) * pu;
    s.seed = rng.next();
    s.profile(W, pu);
    rows.push_back(s);
  }
  // The inclusion: an irregular composite particle of two phases.
  const double ix = 0.6 * W, iy = 0.42 * H, ir = 5.5 * pu;
  // The label goes to a long, thick stringer well below the inclusion.
  auto visible = [&](const Stringer& s) {
    const double len = std::min(s.x1, static_cast<double>(W)) - std::max(s.x0, 0.0);
    return (s.y0 > iy + 0.25 * H && s.y0 < 0.85 * H) ? s.thick * len : -1.0;
  };
  const Stringer& lab = *std::max_element(rows.begin(), rows.end(),
                                          [&](const Stringer& a, const Stringer& b) { return visible(a) < visible(b); });
  const uint64_t iseed = rng.next();
  auto incl_radius = [&](double a) {
    return ir * (1.0 + 0.28 * fbm(iseed, 2.0 * std::cos(a), 2.0 * std::sin(a), 3));
  };
  // Small angular titanium carbonitrides.
  struct Cube {
    double x, y, half, a;
  };
  std::vector<Cube> cubes;
  for (int k = 0; k < 4; ++k)
    cubes.push_back({rng.uniform(0.05, 0.95) * W, rng.uniform(0.05, 0.95) * H, rng.uniform(0.5, 1.2) * pu,
                     rng.uniform(0, 1.5)});
  // Polishing scratches.
  struct Scratch {
    double nx, ny, off, depth;
  };
  std::vector<Scratch> scratches;
  for (int k = 0; k < 6; ++k) {
    const double a = rng.uniform(0, 3.14159265358979);
    scratches.push_back({std::cos(a), std::sin(a), rng.uniform(-0.5, 1.0) * std::max(W, H), rng.uniform(0.3, 1.0)});
  }

  const uint64_t nseed = rng.next();
  Field z(W, H), mat(W, H), yield(W, H, 1.0f);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const auto hit = t.locate(px, py);
      const int g = hit.id;
      double o = orient[g];
      if (twin_w[g] > 0 && std::abs(px * twin_nx[g] + py * twin_ny[g] - twin_off[g]) < 0.5 * twin_w[g]) o = twin_orient[g];
      double zz = -0.8 * std::exp(-hit.d / (0.25 * pu));  // etched grain boundary
      double bse = 0.6 + 0.05 * o;
      // Ferrite: slightly lower mean atomic number, its own orientation, and
      // standing a little proud of the etched austenite.
      double fer = 0;
      for (const Stringer& s : rows) fer = std::max(fer, std::clamp(s.inside(x, py) + 0.5, 0.0, 1.0));
      if (fer > 0) {
        bse += fer * (0.53 + 0.025 * fbm(nseed, px / (8 * pu), py / (8 * pu), 2) - bse);
        zz += fer * 1.2 * S;
      }
      double sey = 1.0;
      for (const Cube& c : cubes) {
        const double dx = px - c.x, dy = py - c.y;
        const double u = dx * std::cos(c.a) + dy * std::sin(c.a), v = -dx * std::sin(c.a) + dy * std::cos(c.a);
        const double e = c.half - std::max(std::abs(u), std::abs(v));
        const double cov = std::clamp(e + 0.5, 0.0, 1.0);
        if (cov > 0) {
          bse += cov * (0.33 - bse);
          zz += cov * 1.5 * S;
        }
      }
      const double dx = px - ix, dy = py - iy;
      const double r = std::hypot(dx, dy);
      const double e = r < 2.0 * ir ? incl_radius(std::atan2(dy, dx)) - r : -1e9;
      if (e > -2.5 * S) {
        // A dark gap where the particle has come loose from the matrix.
        zz -= 3.0 * S * std::exp(-std::pow((e + 0.8 * S) / (0.7 * S), 2));
      }
      if (e > 0) {
        const double cov = std::clamp(e + 0.5, 0.0, 1.0);
        const double phase = fbm(iseed + 7, px / (2.2 * pu), py / (2.2 * pu), 3);
        const double inner = phase > 0.05 ? 0.16 : 0.29;  // oxide core and sulphide parts
        bse += cov * (inner + 0.04 * fbm(iseed + 9, px / (0.6 * pu), py / (0.6 * pu), 2) - bse);
        // Harder than the matrix: stands proud and is rough; charges in SE.
        zz += cov * (2.0 * S + 1.2 * S * fbm(iseed + 3, px / (1.2 * pu), py / (1.2 * pu), 3));
        sey = 1.0 + cov * (phase > 0.05 ? 0.45 : 0.15);
      }
      for (const Scratch& s : scratches) {
        const double q = px * s.nx + py * s.ny - s.off;
        zz -= s.depth * S * 0.5 * std::exp(-q * q / (0.5 * S * S));
        bse -= 0.01 * s.depth * std::exp(-q * q / (0.5 * S * S));
      }
      z(x, y) = static_cast<float>(zz);
      mat(x, y) = static_cast<float>(bse);
      yield(x, y) = static_cast<float>(sey);
    }

  CrNiSemField out;
  // BSE: composition and orientation contrast, little topography, noisy.
  {
    Field b = resize_area(mat, w, h);
    ScanParams sp;
    sp.low_q = 0.002;
    sp.high_q = 0.998;
    sp.black = 0.08f;
    sp.white = 0.86f;
    sp.gamma = 1.3;
    sp.spot_sigma = 0.8;
    sp.noise = 0.07;
    finish_scan(b, rng, sp);
    out.bse = grey_image(b);
  }
  // SE: topography and edges.
  {
    SeParams se;
    se.facing = 0.4;
    se.edge = 0.25;
    se.edge_radius = 2.0;
    se.cavity = 0.06;
    se.cavity_radius = 6;
    se.shadow = 0.25;
    Field s = render_se(z, se, &yield);
    Field f = resize_area(s, w, h);
    ScanParams sp;
    sp.low_q = 0.002;
    sp.high_q = 0.998;
    sp.black = 0.18f;
    sp.white = 0.92f;
    sp.noise = 0.05;
    finish_scan(f, rng, sp);
    out.se = grey_image(f);
  }
  out.inclusion_x = (ix - 0.9 * ir) / S;
  out.inclusion_y = (iy - 0.6 * ir) / S;
  const double lx = std::clamp(0.5 * (std::max(lab.x0, 0.0) + std::min(lab.x1, static_cast<double>(W))), 0.25 * W, 0.45 * W);
  out.ferrite_x = lx / S;
  out.ferrite_y = lab.centre_at(lx, pu) / S;
  return out;
}

}  // namespace pg
