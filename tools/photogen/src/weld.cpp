#include "weld.h"

#include <algorithm>
#include <cmath>

#include "camera.h"
#include "filter.h"
#include "noise.h"
#include "rng.h"

namespace pg {

namespace {

// A weld bead: the region inside an ellipse; grains grow from its edge
// towards its centre.
struct Bead {
  double cx, cy, rx, ry;
  double inside(double x, double y) const {
    const double u = (x - cx) / rx, v = (y - cy) / ry;
    return 1.0 - std::sqrt(u * u + v * v);  // > 0 inside, roughly relative depth
  }
};

}  // namespace

Image weld_section(int w, int h, bool etched, uint64_t seed) {
  constexpr int S = 4;
  Rng rng(seed);
  const int W = S * w, H = S * h;
  // Layout in output pixels, scaled below.
  const double top = 0.3 * h, bottom = 0.74 * h, left = 0.07 * w, right = 0.93 * w, mid = 0.5 * w;
  const double half_top = 0.2 * w, half_root = 0.045 * w;
  // Root pass, filling passes and two cap passes, laid in this order.
  std::vector<Bead> beads = {
      {mid, bottom - 0.02 * h, 0.07 * w, 0.12 * h},
      {mid, bottom - 0.16 * h, 0.11 * w, 0.13 * h},
      {mid - 0.02 * w, top + 0.14 * h, 0.16 * w, 0.12 * h},
      {mid - 0.09 * w, top + 0.01 * h, 0.12 * w, 0.085 * h},
      {mid + 0.09 * w, top + 0.01 * h, 0.12 * w, 0.085 * h},
  };
  const uint64_t a = rng.next(), b = rng.next(), c = rng.next();
  Image img(W, H);
  for (int yy = 0; yy < H; ++yy)
    for (int xx = 0; xx < W; ++xx) {
      const double x = (xx + 0.5) / S, y = (yy + 0.5) / S;
      // The weld groove: a V between the plate surfaces, with a cap on top
      // and a root bulge below.
      const double f = std::clamp((y - top) / (bottom - top), 0.0, 1.0);
      const double half = half_top + (half_root - half_top) * f;
      const double cap = top - 0.05 * h * std::max(0.0, 1 - std::pow((x - mid) / (half_top + 0.02 * w), 2));
      const double root = bottom + 0.03 * h * std::max(0.0, 1 - std::pow((x - mid) / (half_root + 0.03 * w), 2));
      const bool plate = x > left && x < right && y > top && y < bottom;
      int bead = -1;
      for (int k = 0; k < static_cast<int>(beads.size()); ++k)
        if (beads[k].inside(x, y) > 0) bead = k;
      const bool in_groove = std::abs(x - mid) < half + 1.5 && y > cap && y < root;
      const bool weld = bead >= 0 && in_groove;
      const bool metal = plate || weld;
      Rgb col;
      if (!metal) {
        // Dark embedding resin with a faint sheen.
        const double v = 0.1 + 0.02 * fbm(a, x / 30, y / 30, 2);
        col = Rgb(static_cast<float>(v * 1.1), static_cast<float>(v), static_cast<float>(v * 0.9));
      } else if (!etched) {
        // Mirror polish: bright and even; a few pores in the weld metal.
        double v = 0.8 + 0.05 * (x / w) - 0.04 * (y / h) + 0.008 * fbm(b, x / 3, y / 3, 2);
        const double scratch = std::exp(-std::pow(std::fmod(x * 0.7 + y * 0.3 + 1000, 23.0) - 11.5, 2) / 0.05);
        v -= 0.025 * scratch * (fbm(b + 1, x / 40, y / 40, 2) > 0.1 ? 1 : 0);
        if (weld) {
          v -= 0.015;  // the weld is barely told apart
          const double pore = fbm(c, x / 2.5, y / 2.5, 2);
          if (pore > 0.62) v = 0.25;
        }
        col = Rgb::grey(static_cast<float>(v));
      } else if (weld) {
        // Columnar grains growing from each bead's edge towards its centre.
        const Bead& bd = beads[bead];
        const double ang = std::atan2((y - bd.cy) / bd.ry, (x - bd.cx) / bd.rx);
        const double depth = bd.inside(x, y);
        // Grains bend as they grow; they fade into a finer zone at the centre.
        const double bend = ang * 6.0 + 1.5 * depth + 0.8 * fbm(c + 20 + bead, x / 12, y / 12, 2);
        const double streak = fbm(c + bead, bend, depth * 2.0, 3);
        double v = 0.5 + 0.3 * streak * smoothstep(0.95, 0.5, depth);
        v *= 1.0 - 0.35 * std::exp(-depth / 0.04);  // bead boundary
        v += 0.05 * fbm(c + 11, x / 1.2, y / 1.2, 2);  // dendritic fine structure
        col = Rgb(static_cast<float>(v * 1.02), static_cast<float>(v), static_cast<float>(v * 0.96));
      } else {
        // Base metal, fine-grained; coarser and darker next to the fusion line.
        const double dist = std::max(0.0, std::abs(x - mid) - half);
        const double haz = std::exp(-dist / 5.0);
        double v = 0.66 - 0.12 * haz + 0.07 * fbm(a + 3, x / (1.0 + 2.0 * haz), y / (1.0 + 2.0 * haz), 2);
        // Rolling: faint banding along the plate.
        v += 0.008 * std::sin(y * 1.7 + 2 * fbm(a + 4, x / 20, y / 20, 2));
        v *= 1.0 - 0.35 * std::exp(-dist / 0.6);  // fusion line
        col = Rgb(static_cast<float>(v * 1.01), static_cast<float>(v), static_cast<float>(v * 0.97));
      }
      img(xx, yy) = col;
    }
  Image out = resize_area(img, w, h);
  gaussian_blur(out, 0.4);
  illuminate(out, Rgb(1.0f, 0.96f, 0.9f));
  vignette(out, 0.2);
  shot_noise(out, rng, 0.012, 0.3);
  return out;
}

}  // namespace pg
