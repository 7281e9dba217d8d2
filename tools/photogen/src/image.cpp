#include "image.h"

#include <algorithm>
#include <cmath>

namespace pg {

float Field::clamped(int x, int y) const {
  x = std::clamp(x, 0, w_ - 1);
  y = std::clamp(y, 0, h_ - 1);
  return (*this)(x, y);
}

float Field::sample(double x, double y) const {
  const double fx = x - 0.5, fy = y - 0.5;
  const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  const float tx = static_cast<float>(fx - x0), ty = static_cast<float>(fy - y0);
  const float a = clamped(x0, y0), b = clamped(x0 + 1, y0);
  const float c = clamped(x0, y0 + 1), d = clamped(x0 + 1, y0 + 1);
  return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

void Image::blend(int x, int y, const Rgb& c, float a) {
  if (!contains(x, y) || a <= 0) return;
  Rgb& p = (*this)(x, y);
  if (a >= 1) {
    p = c;
    return;
  }
  p = p + (c - p) * a;
}

Rgb Image::sample(double x, double y) const {
  const double fx = x - 0.5, fy = y - 0.5;
  int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  const float tx = static_cast<float>(fx - x0), ty = static_cast<float>(fy - y0);
  auto at = [&](int xx, int yy) -> const Rgb& {
    return (*this)(std::clamp(xx, 0, w_ - 1), std::clamp(yy, 0, h_ - 1));
  };
  return lerp(lerp(at(x0, y0), at(x0 + 1, y0), tx), lerp(at(x0, y0 + 1), at(x0 + 1, y0 + 1), tx), ty);
}

static uint8_t to_byte(float v) {
  const float s = clamp01(v) * 255.0f + 0.5f;
  return static_cast<uint8_t>(s >= 255.0f ? 255 : static_cast<int>(s));
}

Image8 quantise(const Image& img) {
  Image8 out;
  out.width = img.width();
  out.height = img.height();
  out.rgb.resize(static_cast<size_t>(out.width) * out.height * 3);
  size_t i = 0;
  for (const Rgb& p : img.data()) {
    out.rgb[i++] = to_byte(p.r);
    out.rgb[i++] = to_byte(p.g);
    out.rgb[i++] = to_byte(p.b);
  }
  return out;
}

Image from_field(const Field& f, const Rgb& dark, const Rgb& light) {
  Image img(f.width(), f.height());
  for (size_t i = 0; i < f.data().size(); ++i) img.data()[i] = lerp(dark, light, f.data()[i]);
  return img;
}

Image crop(const Image& img, int x, int y, int w, int h) {
  Image out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      out(i, j) = img(std::clamp(x + i, 0, img.width() - 1), std::clamp(y + j, 0, img.height() - 1));
  return out;
}

namespace {
// Weights of the input cells [0, n_in) that output cell k covers when n_in
// cells are squeezed into n_out.
struct Span {
  int first = 0;
  std::vector<float> w;
};

std::vector<Span> area_spans(int n_in, int n_out) {
  std::vector<Span> spans(n_out);
  const double scale = static_cast<double>(n_in) / n_out;
  for (int k = 0; k < n_out; ++k) {
    const double a = k * scale, b = (k + 1) * scale;
    const int i0 = static_cast<int>(std::floor(a));
    const int i1 = std::min(n_in - 1, static_cast<int>(std::ceil(b)) - 1);
    spans[k].first = i0;
    for (int i = i0; i <= i1; ++i) {
      const double lo = std::max(a, static_cast<double>(i)), hi = std::min(b, static_cast<double>(i + 1));
      spans[k].w.push_back(static_cast<float>((hi - lo) / scale));
    }
  }
  return spans;
}

// Shared separable resize over any pixel type that supports + and * float.
template <typename T, typename Get, typename Put>
void resize_sep(int win, int hin, int wout, int hout, Get get, Put put) {
  const auto sx = area_spans(win, wout);
  const auto sy = area_spans(hin, hout);
  std::vector<T> tmp(static_cast<size_t>(wout) * hin);
  for (int y = 0; y < hin; ++y)
    for (int x = 0; x < wout; ++x) {
      T acc{};
      for (size_t k = 0; k < sx[x].w.size(); ++k) acc = acc + get(sx[x].first + static_cast<int>(k), y) * sx[x].w[k];
      tmp[static_cast<size_t>(y) * wout + x] = acc;
    }
  for (int y = 0; y < hout; ++y)
    for (int x = 0; x < wout; ++x) {
      T acc{};
      for (size_t k = 0; k < sy[y].w.size(); ++k)
        acc = acc + tmp[static_cast<size_t>(sy[y].first + static_cast<int>(k)) * wout + x] * sy[y].w[k];
      put(x, y, acc);
    }
}
}  // namespace

Image resize_area(const Image& img, int w, int h) {
  Image out(w, h);
  resize_sep<Rgb>(img.width(), img.height(), w, h, [&](int x, int y) { return img(x, y); },
                  [&](int x, int y, const Rgb& v) { out(x, y) = v; });
  return out;
}

Field resize_area(const Field& f, int w, int h) {
  Field out(w, h);
  resize_sep<float>(f.width(), f.height(), w, h, [&](int x, int y) { return f(x, y); },
                    [&](int x, int y, float v) { out(x, y) = v; });
  return out;
}

Image fit_crop(const Image& img, int w, int h) {
  const double want = static_cast<double>(w) / h;
  const double have = static_cast<double>(img.width()) / img.height();
  int cw = img.width(), ch = img.height();
  if (have > want)
    cw = static_cast<int>(std::lround(img.height() * want));
  else
    ch = static_cast<int>(std::lround(img.width() / want));
  const Image c = crop(img, (img.width() - cw) / 2, (img.height() - ch) / 2, cw, ch);
  return resize_area(c, w, h);
}

void paste(Image& dst, const Image& src, int x, int y) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i)
      if (dst.contains(x + i, y + j)) dst(x + i, y + j) = src(i, j);
}

float quantile(const Field& f, double q) {
  std::vector<float> v = f.data();
  if (v.empty()) return 0.0f;
  size_t k = static_cast<size_t>(std::clamp(q, 0.0, 1.0) * (v.size() - 1));
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
  return v[k];
}

void normalise(Field& f, double qlo, double qhi, float lo, float hi) {
  const float a = quantile(f, qlo), b = quantile(f, qhi);
  const float s = (b > a) ? (hi - lo) / (b - a) : 0.0f;
  for (float& v : f.data()) v = lo + (v - a) * s;
}

}  // namespace pg
