// Pixel buffers of the picture generator.
//
// Pictures are built in floating point, display-referred, with 0 for black and
// 1 for white; only the final step rounds them to 8-bit RGB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pg {

struct Rgb {
  float r = 0, g = 0, b = 0;
  Rgb() = default;
  constexpr Rgb(float rr, float gg, float bb) : r(rr), g(gg), b(bb) {}
  static constexpr Rgb grey(float v) { return Rgb(v, v, v); }
  Rgb operator+(const Rgb& o) const { return {r + o.r, g + o.g, b + o.b}; }
  Rgb operator-(const Rgb& o) const { return {r - o.r, g - o.g, b - o.b}; }
  Rgb operator*(const Rgb& o) const { return {r * o.r, g * o.g, b * o.b}; }
  Rgb operator*(float s) const { return {r * s, g * s, b * s}; }
  Rgb& operator+=(const Rgb& o) {
    r += o.r; g += o.g; b += o.b;
    return *this;
  }
  float luma() const { return 0.299f * r + 0.587f * g + 0.114f * b; }
};

inline Rgb lerp(const Rgb& a, const Rgb& b, float t) { return a + (b - a) * t; }
// Colour from 8-bit components.
inline Rgb rgb8(int r, int g, int b) { return Rgb(r / 255.0f, g / 255.0f, b / 255.0f); }

// A single-channel float raster (heights, masks, intensities).
class Field {
 public:
  Field() = default;
  Field(int w, int h, float fill = 0.0f) : w_(w), h_(h), v_(static_cast<size_t>(w) * h, fill) {}
  int width() const { return w_; }
  int height() const { return h_; }
  float& operator()(int x, int y) { return v_[static_cast<size_t>(y) * w_ + x]; }
  float operator()(int x, int y) const { return v_[static_cast<size_t>(y) * w_ + x]; }
  // Value with coordinates clamped to the raster.
  float clamped(int x, int y) const;
  // Bilinear sample at pixel-centre coordinates (pixel i covers [i, i+1)).
  float sample(double x, double y) const;
  std::vector<float>& data() { return v_; }
  const std::vector<float>& data() const { return v_; }

 private:
  int w_ = 0, h_ = 0;
  std::vector<float> v_;
};

// An RGB float image.
class Image {
 public:
  Image() = default;
  Image(int w, int h, Rgb fill = Rgb()) : w_(w), h_(h), v_(static_cast<size_t>(w) * h, fill) {}
  int width() const { return w_; }
  int height() const { return h_; }
  Rgb& operator()(int x, int y) { return v_[static_cast<size_t>(y) * w_ + x]; }
  const Rgb& operator()(int x, int y) const { return v_[static_cast<size_t>(y) * w_ + x]; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  // Blends colour c over pixel (x, y) with opacity a; ignores pixels outside.
  void blend(int x, int y, const Rgb& c, float a);
  Rgb sample(double x, double y) const;
  std::vector<Rgb>& data() { return v_; }
  const std::vector<Rgb>& data() const { return v_; }

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgb> v_;
};

// 8-bit RGB pixels, rows top to bottom, as written to files.
struct Image8 {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
};

Image8 quantise(const Image& img);
Image from_field(const Field& f, const Rgb& dark = Rgb(0, 0, 0), const Rgb& light = Rgb(1, 1, 1));
Image crop(const Image& img, int x, int y, int w, int h);
// Area-averaging resize (each output pixel is the mean of the input area it covers).
Image resize_area(const Image& img, int w, int h);
Field resize_area(const Field& f, int w, int h);
// Crops the largest centred region with the aspect ratio of w x h and resizes it.
Image fit_crop(const Image& img, int w, int h);
// Copies src into dst with its top-left corner at (x, y), clipped.
void paste(Image& dst, const Image& src, int x, int y);

// Returns the value below which the fraction q of the field's values lie.
float quantile(const Field& f, double q);
// Maps the quantiles qlo and qhi of f linearly onto lo and hi (in place).
void normalise(Field& f, double qlo, double qhi, float lo, float hi);

inline float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline double smoothstep(double e0, double e1, double x) {
  double t = (x - e0) / (e1 - e0);
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return t * t * (3 - 2 * t);
}

}  // namespace pg
