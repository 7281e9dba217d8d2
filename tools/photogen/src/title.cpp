#include "title.h"

#include <algorithm>
#include <cmath>

#include "rng.h"

namespace pg {

Rgb backdrop_ramp(double t) {
  const double i = 1 + 254 * std::clamp(t, 0.0, 1.0);
  return Rgb(static_cast<float>((256 - i) / 255.0), static_cast<float>((255 - i) / 255.0),
             static_cast<float>((i - 1) / 255.0));
}

Image title_background(int w, int h) {
  Image img(w, h);
  const double period = 430.0;
  const double ca = std::cos(0.62), sa = std::sin(0.62);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double u = (x * ca + y * sa) / period;
      // Cosine bands: blue, through grey, to yellow and back.
      double t = 0.5 + 0.5 * std::cos(6.283185307179586 * u);
      // A softer secondary sweep across the bands keeps them from looking flat.
      const double v = (-x * sa + y * ca) / (2.2 * period);
      t = std::clamp(t + 0.06 * std::sin(6.283185307179586 * v), 0.0, 1.0);
      Rgb c = backdrop_ramp(t);
      // Sheen along the middle of each yellow and each blue band.
      const double sheen = std::pow(std::abs(std::cos(6.283185307179586 * u)), 12.0);
      c = lerp(c, Rgb(1, 1, 1), static_cast<float>(0.12 * sheen));
      // Tiny deterministic dither against banding of the smooth gradients.
      const double n = (to_unit(hash3(0x7171, x, y)) - 0.5) / 255.0;
      img(x, y) = c + Rgb::grey(static_cast<float>(n));
    }
  return img;
}

}  // namespace pg
