#include "filter.h"

#include <algorithm>
#include <cmath>

namespace pg {

std::vector<float> gaussian_kernel(double sigma) {
  const int r = std::max(1, static_cast<int>(std::ceil(3.0 * sigma)));
  std::vector<float> k(2 * r + 1);
  double sum = 0;
  for (int i = -r; i <= r; ++i) {
    const double v = std::exp(-0.5 * i * i / (sigma * sigma));
    k[i + r] = static_cast<float>(v);
    sum += v;
  }
  for (float& v : k) v = static_cast<float>(v / sum);
  return k;
}

namespace {

// One line of n values with the given stride, filtered in place.
void convolve_line(float* p, int n, int stride, const std::vector<float>& k, std::vector<float>& buf) {
  const int r = static_cast<int>(k.size() / 2);
  buf.resize(n);
  for (int i = 0; i < n; ++i) buf[i] = p[static_cast<size_t>(i) * stride];
  for (int i = 0; i < n; ++i) {
    float acc = 0;
    for (int j = -r; j <= r; ++j) acc += k[j + r] * buf[std::clamp(i + j, 0, n - 1)];
    p[static_cast<size_t>(i) * stride] = acc;
  }
}

// Running-sum box filter of odd width 2r+1 over one line, edges clamped.
void box_line(float* p, int n, int stride, int r, std::vector<float>& buf) {
  buf.resize(n);
  for (int i = 0; i < n; ++i) buf[i] = p[static_cast<size_t>(i) * stride];
  double acc = 0;
  for (int j = -r; j <= r; ++j) acc += buf[std::clamp(j, 0, n - 1)];
  const double inv = 1.0 / (2 * r + 1);
  for (int i = 0; i < n; ++i) {
    p[static_cast<size_t>(i) * stride] = static_cast<float>(acc * inv);
    acc += buf[std::clamp(i + r + 1, 0, n - 1)] - buf[std::clamp(i - r, 0, n - 1)];
  }
}

void blur_axis(float* data, int w, int h, int channels, double sigma, bool horizontal) {
  if (sigma <= 0.05) return;
  std::vector<float> buf;
  const int n = horizontal ? w : h;
  const int lines = horizontal ? h : w;
  const int stride = (horizontal ? 1 : w) * channels;
  if (sigma <= 6.0) {
    const auto k = gaussian_kernel(sigma);
    for (int l = 0; l < lines; ++l)
      for (int c = 0; c < channels; ++c) {
        float* p = data + (horizontal ? static_cast<size_t>(l) * w * channels : static_cast<size_t>(l) * channels) + c;
        convolve_line(p, n, stride, k, buf);
      }
    return;
  }
  // Three boxes of width 2r+1 have variance 3 * ((2r+1)^2 - 1) / 12.
  const int r = std::max(1, static_cast<int>(std::lround((std::sqrt(4.0 * sigma * sigma + 1.0) - 1.0) / 2.0)));
  for (int l = 0; l < lines; ++l)
    for (int c = 0; c < channels; ++c) {
      float* p = data + (horizontal ? static_cast<size_t>(l) * w * channels : static_cast<size_t>(l) * channels) + c;
      for (int pass = 0; pass < 3; ++pass) box_line(p, n, stride, r, buf);
    }
}

}  // namespace

void gaussian_blur(Field& f, double sigma_x, double sigma_y) {
  blur_axis(f.data().data(), f.width(), f.height(), 1, sigma_x, true);
  blur_axis(f.data().data(), f.width(), f.height(), 1, sigma_y, false);
}

void gaussian_blur(Field& f, double sigma) { gaussian_blur(f, sigma, sigma); }

void gaussian_blur(Image& img, double sigma) {
  static_assert(sizeof(Rgb) == 3 * sizeof(float), "Rgb must be three packed floats");
  float* d = reinterpret_cast<float*>(img.data().data());
  blur_axis(d, img.width(), img.height(), 3, sigma, true);
  blur_axis(d, img.width(), img.height(), 3, sigma, false);
}

}  // namespace pg
