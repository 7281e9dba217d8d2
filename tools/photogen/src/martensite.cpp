#include "martensite.h"

#include <algorithm>
#include <cmath>

#include "lightmicro.h"
#include "noise.h"
#include "rng.h"
#include "tessellation.h"

namespace pg {

Image tempered_martensite(int w, int h, double field_um, uint64_t seed) {
  constexpr int S = 2;
  Rng rng(seed);
  const int W = S * w, H = S * h;
  const double pu = W / field_um;
  const double m = 20 * pu;
  const Box box{-m, -m, W + m, H + m};

  // Former austenite grains and, inside them, packets of common orientation.
  const auto prior_sites = lognormal_sites(rng, box, 16 * pu, 0.35);
  const Tessellation prior(prior_sites, box, 8 * pu);
  const auto packet_sites = lognormal_sites(rng, box, 6 * pu, 0.4);
  const Tessellation packets(packet_sites, box, 4 * pu);
  const size_t np = packet_sites.size();
  std::vector<double> grain_angle(prior_sites.size());
  for (double& a : grain_angle) a = rng.uniform(0, 3.14159265358979);
  std::vector<double> angle(np), tone(np);
  for (size_t i = 0; i < np; ++i) {
    const int g = prior.locate(packet_sites[i].x, packet_sites[i].y).id;
    // Packets of one grain take one of three variants 60 degrees apart.
    angle[i] = grain_angle[g] + rng.below(3) * 1.0471975512 + rng.normal(0, 0.06);
    tone[i] = rng.uniform(0.36, 0.52);
  }
  const CellMap cm = warped_cells(packets, W, H, rng.next(), 0.5 * pu, 5 * pu);

  // Base: packet tone with slow etching variation.
  Field base(W, H);
  const uint64_t eseed = rng.next();
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      base(x, y) = static_cast<float>(tone[cm.id[cm.index(x, y)]] *
                                      (1.0 + 0.06 * fbm(eseed, x / (12 * pu), y / (12 * pu), 2)));

  // Needles: thin lenticular plates, lighter or darker than their packet,
  // drawn one over the other and kept inside their packet.
  Field val = base;
  const double area = static_cast<double>(W) * H;
  const double mean_len = 2.6 * pu, mean_wid = 0.38 * pu;
  const int count = static_cast<int>(2.0 * area / (mean_len * mean_wid * 0.8));
  for (int k = 0; k < count; ++k) {
    const double cx = rng.uniform(0, W), cy = rng.uniform(0, H);
    const int xi = std::clamp(static_cast<int>(cx), 0, W - 1), yi = std::clamp(static_cast<int>(cy), 0, H - 1);
    const int pk = cm.id[cm.index(xi, yi)];
    const double a = angle[pk] + rng.normal(0, 0.08);
    const double len = std::clamp(rng.lognormal(mean_len, 0.5), 0.8 * pu, 9 * pu);
    const double wid = std::clamp(rng.lognormal(mean_wid, 0.35), 0.2 * pu, 1.0 * pu);
    const double level = rng.chance(0.5) ? rng.uniform(0.5, 0.66) : rng.uniform(0.2, 0.32);
    const double ca = std::cos(a), sa = std::sin(a);
    const int rx = static_cast<int>(0.5 * len + wid) + 2;
    for (int y = std::max(0, yi - rx); y <= std::min(H - 1, yi + rx); ++y)
      for (int x = std::max(0, xi - rx); x <= std::min(W - 1, xi + rx); ++x) {
        if (cm.id[cm.index(x, y)] != pk) continue;
        const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
        const double u = (dx * ca + dy * sa) / (0.5 * len), q = (-dx * sa + dy * ca);
        if (std::abs(u) >= 1) continue;
        const double half = 0.5 * wid * std::sqrt(1 - u * u);  // lens-shaped plate
        const double cov = std::clamp(half + 0.5 - std::abs(q), 0.0, 1.0);
        if (cov > 0) val(x, y) = static_cast<float>(val(x, y) + (level - val(x, y)) * 0.7 * cov);
      }
  }

  // Carbides precipitated during tempering: a dense speckle of tiny dark
  // particles, below the optical resolution, that darkens and mottles.
  const int specks = static_cast<int>(area / (0.6 * pu * 0.6 * pu));
  for (int k = 0; k < specks; ++k) {
    const int x = rng.below(W), y = rng.below(H);
    const float d = static_cast<float>(rng.uniform(0.3, 0.7));
    val(x, y) *= d;
    if (x + 1 < W) val(x + 1, y) *= 0.5f + 0.5f * d;
  }

  const uint64_t gseed = rng.next();
  Image refl(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      double v = val(x, y);
      // Former austenite grain boundaries are only faintly attacked.
      const auto ph = prior.locate(x + 0.5, y + 0.5);
      if (ph.id2 >= 0) v *= 1.0 - 0.35 * boundary_strength(gseed, ph.id, ph.id2, x, y, 6 * pu) * groove(ph.d, 0.3 * pu);
      const float fv = static_cast<float>(v);
      refl(x, y) = Rgb(fv * 1.03f, fv, fv * 0.93f);
    }
  OpticsParams op;
  op.psf_sigma_um = 0.22;
  op.lamp = Rgb(1.0f, 0.95f, 0.86f);
  op.exposure = 1.3;
  return optical_capture(std::move(refl), w, h, w / field_um, S, rng, op);
}

}  // namespace pg
