#include "lightmicro.h"

#include <algorithm>
#include <cmath>

#include "camera.h"
#include "filter.h"
#include "noise.h"

namespace pg {

Image optical_capture(Image refl, int w, int h, double px_per_um_out, int super, Rng& rng, const OpticsParams& p) {
  gaussian_blur(refl, p.psf_sigma_um * px_per_um_out * super);
  Image img = resize_area(refl, w, h);
  illuminate(img, p.lamp * static_cast<float>(p.exposure));
  vignette(img, p.vignette);
  shot_noise(img, rng, p.noise, 0.35);
  return img;
}

double boundary_strength(uint64_t seed, int a, int b, double x, double y, double scale) {
  const int lo = std::min(a, b), hi = std::max(a, b);
  const double base = 0.45 + 0.55 * to_unit(hash3(seed, lo, hi));
  const double along = 0.75 + 0.25 * fbm(seed ^ 0x9E37ull, x / scale, y / scale, 2);
  return base * along;
}

CellMap warped_cells(const Tessellation& t, int w, int h, uint64_t seed, double amplitude, double scale) {
  CellMap cm;
  cm.width = w;
  cm.height = h;
  cm.id.resize(static_cast<size_t>(w) * h);
  cm.id2.resize(cm.id.size());
  cm.d.resize(cm.id.size());
  const int step = std::max(1, static_cast<int>(scale / 8));
  const Field wx = noise_field(seed, w, h, scale, 2, step), wy = noise_field(seed + 1, w, h, scale, 2, step);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double qx = x + 0.5 + amplitude * wx(x, y);
      const double qy = y + 0.5 + amplitude * wy(x, y);
      const auto hit = t.locate(qx, qy);
      const size_t i = cm.index(x, y);
      cm.id[i] = hit.id;
      cm.id2[i] = hit.id2;
      cm.d[i] = static_cast<float>(hit.d);
    }
  return cm;
}

}  // namespace pg
