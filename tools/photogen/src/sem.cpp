#include "sem.h"

#include <algorithm>
#include <cmath>

#include "camera.h"
#include "filter.h"

namespace pg {

Field render_se(const Field& h, const SeParams& p, const Field* yield) {
  const int w = h.width(), ht = h.height();
  Field fine = h, broad = h;
  gaussian_blur(fine, p.edge_radius);
  gaussian_blur(broad, p.cavity_radius);
  const double dl = std::hypot(p.detector_x, p.detector_y);
  const double dx = p.detector_x / dl, dy = p.detector_y / dl;
  const double tan_e = std::tan(p.detector_elevation_deg * 3.14159265358979 / 180.0);
  Field out(w, ht);
  for (int y = 0; y < ht; ++y)
    for (int x = 0; x < w; ++x) {
      const double gx = 0.5 * (h.clamped(x + 1, y) - h.clamped(x - 1, y));
      const double gy = 0.5 * (h.clamped(x, y + 1) - h.clamped(x, y - 1));
      const double len = std::sqrt(1 + gx * gx + gy * gy);
      // 1/cos(tilt) = len
      double se = std::min(p.max_tilt_gain, std::pow(len, p.tilt_power));
      const double nx = -gx / len, ny = -gy / len;
      se *= 1.0 + p.facing * (nx * dx + ny * dy);
      const double e = h(x, y) - fine(x, y);
      se *= 1.0 + p.edge * std::max(0.0, e);
      const double c = broad(x, y) - h(x, y);
      se *= std::exp(-p.cavity * std::max(0.0, c));
      if (p.shadow > 0) {
        double excess = 0;
        const double h0 = h(x, y);
        for (double t = 1.5; t < p.shadow_reach; t *= 1.18) {
          const double sx = x + 0.5 + dx * t, sy = y + 0.5 + dy * t;
          if (sx < 0 || sy < 0 || sx >= w || sy >= ht) break;
          excess = std::max(excess, (h.sample(sx, sy) - h0) - t * tan_e);
        }
        se *= 1.0 - p.shadow * smoothstep(0.0, 3.0, excess);
      }
      if (yield) se *= (*yield)(x, y);
      out(x, y) = static_cast<float>(se);
    }
  return out;
}

void finish_scan(Field& f, Rng& rng, const ScanParams& p) {
  auto_levels(f, p.low_q, p.high_q, p.black, p.white);
  if (p.gamma != 1.0) apply_gamma(f, p.gamma);
  gaussian_blur(f, p.spot_sigma);
  shot_noise(f, rng, p.noise);
  scan_jitter(f, rng, p.jitter_px, p.flicker);
}

Image grey_image(const Field& f) {
  Image img(f.width(), f.height());
  for (size_t i = 0; i < f.data().size(); ++i) {
    const float v = f.data()[i];
    img.data()[i] = Rgb(v, v, v);
  }
  return img;
}

}  // namespace pg
