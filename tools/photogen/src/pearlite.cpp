#include "pearlite.h"

#include <algorithm>
#include <cmath>

#include "lightmicro.h"
#include "noise.h"
#include "rng.h"
#include "tessellation.h"

namespace pg {

Image ferrite_pearlite(int w, int h, double field_um, uint64_t seed) {
  constexpr int S = 2;
  Rng rng(seed);
  const int W = S * w, H = S * h;
  const double pu = W / field_um;  // pixels per micrometre at the working resolution
  const double m = 30 * pu;
  const Box box{-m, -m, W + m, H + m};

  // Former austenite grains: ferrite forms first along their boundaries.
  const auto prior_sites = lognormal_sites(rng, box, 30 * pu, 0.3);
  const Tessellation prior(prior_sites, box, 12 * pu);
  auto sites = lognormal_sites(rng, box, 11 * pu, 0.35);
  const size_t n = sites.size();
  std::vector<double> key(n);
  for (size_t i = 0; i < n; ++i) key[i] = prior.locate(sites[i].x, sites[i].y).d + rng.normal(0, 3 * pu);
  std::vector<double> sorted = key;
  std::sort(sorted.begin(), sorted.end());
  const double threshold = sorted[static_cast<size_t>(0.42 * (n - 1))];  // about 42 % ferrite
  const Tessellation t(sites, box, 6 * pu);
  // Each pearlite grain consists of colonies of a few micrometres.
  const auto col_sites = lognormal_sites(rng, box, 4.5 * pu, 0.35);
  const Tessellation colonies(col_sites, box, 3 * pu);
  std::vector<PearliteColony> colony(col_sites.size());
  for (auto& c : colony) {
    const double a = rng.uniform(0, 3.14159265358979);
    c.nx = std::cos(a);
    c.ny = std::sin(a);
    c.spacing = std::clamp(rng.lognormal(0.55, 0.35), 0.25, 1.2) * pu;
    c.bend = rng.uniform(0.4, 1.6);
    c.bend_scale = rng.uniform(1.5, 4) * pu;
    c.etch = rng.uniform(0.75, 1.2);
    c.seed = rng.next();
  }

  std::vector<char> ferrite(n);
  std::vector<double> tone(n);
  for (size_t i = 0; i < n; ++i) {
    ferrite[i] = key[i] < threshold;
    tone[i] = 0.9 + rng.uniform(-0.025, 0.025);
  }
  const uint64_t eseed = rng.next();
  const uint64_t gseed = rng.next();
  const CellMap cm = warped_cells(t, W, H, rng.next(), 0.7 * pu, 6 * pu);

  // A few elongated manganese sulphide inclusions, stretched by rolling.
  struct Inclusion {
    double x, y, len, wid, a;
  };
  std::vector<Inclusion> incl;
  for (int k = 0; k < 3; ++k)
    incl.push_back({rng.uniform(0, W), rng.uniform(0, H), rng.uniform(3, 8) * pu, rng.uniform(0.5, 0.9) * pu,
                    rng.normal(0, 0.05)});

  Image refl(W, H);
  const double gw = 0.3 * pu;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const size_t i = cm.index(x, y);
      const int id = cm.id[i], id2 = cm.id2[i];
      double v = ferrite[id] ? tone[id] * (1.0 + 0.012 * fbm(eseed + 7, x / (1.5 * pu), y / (1.5 * pu), 2))
                             : colony[colonies.locate(x + 0.5, y + 0.5).id].reflectance(x + 0.5, y + 0.5);
      // Uneven etching and polishing over the section.
      v *= 1.0 + 0.03 * fbm(eseed, x / (25 * pu), y / (25 * pu), 2);
      if (id2 >= 0) {
        const double s = boundary_strength(gseed, id, id2, x, y, 8 * pu);
        double depth = 0.0;
        if (ferrite[id] && ferrite[id2]) depth = 0.75;
        else if (ferrite[id] || ferrite[id2]) depth = 0.45;
        else depth = 0.2;
        v *= 1.0 - depth * s * groove(cm.d[i], gw);
      }
      for (const auto& in : incl) {
        const double dx = x - in.x, dy = y - in.y;
        const double u = dx * std::cos(in.a) + dy * std::sin(in.a), q = -dx * std::sin(in.a) + dy * std::cos(in.a);
        const double r = std::hypot(u / (0.5 * in.len), q / (0.5 * in.wid));
        if (r < 1.2) v = v + (0.42 - v) * smoothstep(1.1, 0.9, r);
      }
      const float fv = static_cast<float>(v);
      // Pearlite etches slightly brown, ferrite stays neutral.
      refl(x, y) = ferrite[id] ? Rgb(fv, fv, fv) : Rgb(fv * 1.02f, fv, fv * 0.95f);
    }
  OpticsParams op;
  op.psf_sigma_um = 0.13;
  op.lamp = Rgb(1.0f, 0.95f, 0.86f);
  return optical_capture(std::move(refl), w, h, w / field_um, S, rng, op);
}

}  // namespace pg
