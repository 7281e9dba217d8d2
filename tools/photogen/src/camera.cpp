#include "camera.h"

#include <algorithm>
#include <cmath>

#include "filter.h"

namespace pg {

void vignette(Image& img, double strength) {
  const double cx = img.width() / 2.0, cy = img.height() / 2.0;
  const double norm = 1.0 / (cx * cx + cy * cy);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      img(x, y) = img(x, y) * static_cast<float>(1.0 - strength * (dx * dx + dy * dy) * norm);
    }
}

void illuminate(Image& img, const Rgb& tint) {
  for (Rgb& p : img.data()) p = p * tint;
}

void shot_noise(Image& img, Rng& rng, double amount, double chroma) {
  for (Rgb& p : img.data()) {
    const double common = rng.normal();
    const double l = std::sqrt(std::max(0.0f, p.luma()));
    const double k = amount * l;
    p.r += static_cast<float>(k * ((1 - chroma) * common + chroma * rng.normal()));
    p.g += static_cast<float>(k * ((1 - chroma) * common + chroma * rng.normal()));
    p.b += static_cast<float>(k * ((1 - chroma) * common + chroma * rng.normal()));
  }
}

void shot_noise(Field& f, Rng& rng, double amount) {
  for (float& v : f.data()) v += static_cast<float>(amount * std::sqrt(std::max(0.0f, v)) * rng.normal());
}

void add_noise(Field& f, Rng& rng, double sd) {
  for (float& v : f.data()) v += static_cast<float>(sd * rng.normal());
}

void scan_jitter(Field& f, Rng& rng, double shift_px, double flicker) {
  const int w = f.width(), h = f.height();
  std::vector<float> row(w);
  double walk = 0;
  for (int y = 0; y < h; ++y) {
    // A mean-reverting walk: slow drift plus occasional small jumps.
    walk = 0.85 * walk + 0.5 * shift_px * rng.normal();
    if (rng.chance(0.01)) walk += shift_px * 2.0 * rng.normal();
    const double gain = 1.0 + flicker * rng.normal();
    for (int x = 0; x < w; ++x) row[x] = f(x, y);
    for (int x = 0; x < w; ++x) {
      const double sx = x + walk;
      const int x0 = static_cast<int>(std::floor(sx));
      const float t = static_cast<float>(sx - x0);
      const float a = row[std::clamp(x0, 0, w - 1)], b = row[std::clamp(x0 + 1, 0, w - 1)];
      f(x, y) = static_cast<float>((a + (b - a) * t) * gain);
    }
  }
}

void apply_gamma(Field& f, double gamma) {
  for (float& v : f.data()) v = static_cast<float>(std::pow(clamp01(v), gamma));
}

void auto_levels(Field& f, double qlo, double qhi, float lo, float hi) { normalise(f, qlo, qhi, lo, hi); }

}  // namespace pg
