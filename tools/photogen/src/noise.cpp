#include "noise.h"

namespace pg {

Field noise_field(uint64_t seed, int w, int h, double scale, int octaves, int step, double gain) {
  const int gw = w / step + 2, gh = h / step + 2;
  std::vector<float> lattice(static_cast<size_t>(gw) * gh);
  for (int j = 0; j < gh; ++j)
    for (int i = 0; i < gw; ++i)
      lattice[static_cast<size_t>(j) * gw + i] =
          static_cast<float>(fbm(seed, i * step / scale, j * step / scale, octaves, gain));
  Field f(w, h);
  const float inv = 1.0f / step;
  for (int y = 0; y < h; ++y) {
    const int j = y / step;
    const float ty = (y - j * step) * inv;
    for (int x = 0; x < w; ++x) {
      const int i = x / step;
      const float tx = (x - i * step) * inv;
      const float* r0 = &lattice[static_cast<size_t>(j) * gw + i];
      const float* r1 = r0 + gw;
      f(x, y) = (r0[0] + (r0[1] - r0[0]) * tx) * (1 - ty) + (r1[0] + (r1[1] - r1[0]) * tx) * ty;
    }
  }
  return f;
}

}  // namespace pg
