// Pixel buffers, resizing, blurring, the vector fill and JPEG/PNG coding.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "draw.h"
#include "filter.h"
#include "image.h"
#include "jpeg_io.h"
#include "rng.h"

namespace {

double mean(const pg::Field& f) {
  return std::accumulate(f.data().begin(), f.data().end(), 0.0) / f.data().size();
}

pg::Field random_field(int w, int h, uint64_t seed) {
  pg::Rng r(seed);
  pg::Field f(w, h);
  for (float& v : f.data()) v = static_cast<float>(r.uniform());
  return f;
}

TEST(Resize, AreaAveragingKeepsTheMeanAndAveragesBlocks) {
  const pg::Field f = random_field(97, 61, 1);
  const pg::Field small = pg::resize_area(f, 31, 23);  // non-integer factors
  EXPECT_NEAR(mean(small), mean(f), 1e-5);
  // An exact factor of two averages 2x2 blocks.
  const pg::Field g = random_field(8, 6, 2);
  const pg::Field h = pg::resize_area(g, 4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_NEAR(h(x, y), 0.25f * (g(2 * x, 2 * y) + g(2 * x + 1, 2 * y) + g(2 * x, 2 * y + 1) + g(2 * x + 1, 2 * y + 1)),
                  1e-6);
}

TEST(Resize, FitCropKeepsTheCentreAndTheAspect) {
  // A picture whose left and right quarters are black, middle white: a
  // square crop of the middle must be all white.
  pg::Image img(400, 200, pg::Rgb(0, 0, 0));
  for (int y = 0; y < 200; ++y)
    for (int x = 100; x < 300; ++x) img(x, y) = pg::Rgb(1, 1, 1);
  const pg::Image sq = pg::fit_crop(img, 50, 50);
  ASSERT_EQ(sq.width(), 50);
  ASSERT_EQ(sq.height(), 50);
  for (const auto& p : sq.data()) EXPECT_NEAR(p.r, 1.0f, 1e-5);
}

TEST(Blur, KernelIsNormalisedAndBlurKeepsTheMean) {
  for (double s : {0.6, 2.0, 5.5}) {
    const auto k = pg::gaussian_kernel(s);
    EXPECT_NEAR(std::accumulate(k.begin(), k.end(), 0.0), 1.0, 1e-6);
    EXPECT_EQ(k.size() % 2, 1u);
  }
  for (double s : {1.5, 12.0}) {  // exact kernel and box approximation
    pg::Field f = random_field(120, 90, 3);
    const double m = mean(f);
    pg::gaussian_blur(f, s);
    EXPECT_NEAR(mean(f), m, 2e-3) << s;
  }
}

TEST(Blur, ImpulseResponseHasTheRequestedWidth) {
  for (double s : {2.0, 9.0}) {
    pg::Field f(201, 1, 0.0f);
    f(100, 0) = 1.0f;
    pg::gaussian_blur(f, s, 0.0);
    double sum = 0, var = 0;
    for (int x = 0; x < 201; ++x) {
      sum += f(x, 0);
      var += f(x, 0) * (x - 100.0) * (x - 100.0);
    }
    EXPECT_NEAR(sum, 1.0, 1e-4);
    EXPECT_NEAR(std::sqrt(var / sum), s, 0.08 * s) << s;
  }
}

TEST(Quantise, RoundsToNearestAndClamps) {
  pg::Image img(4, 1);
  img(0, 0) = pg::Rgb(-0.2f, 0.0f, 1.3f);
  img(1, 0) = pg::Rgb(0.5f / 255, 0.49f / 255, 1.51f / 255);
  img(2, 0) = pg::Rgb(0.5f, 254.6f / 255, 1.0f);
  img(3, 0) = pg::Rgb(0.1f, 0.2f, 0.3f);
  const pg::Image8 q = pg::quantise(img);
  const std::vector<uint8_t> want = {0, 0, 255, 1, 0, 2, 128, 255, 255, 26, 51, 77};
  EXPECT_EQ(q.rgb, want);
}

TEST(Canvas, FillCoversExactlyTheShapeWithAntialiasedEdges) {
  pg::Canvas c(40, 30, 4, pg::Rgb(0, 0, 0));
  c.fill(pg::rect(10, 5, 30.5, 20), pg::Rgb(1, 1, 1));
  const pg::Image img = c.resolve();
  EXPECT_FLOAT_EQ(img(9, 10).r, 0.0f);
  EXPECT_FLOAT_EQ(img(10, 10).r, 1.0f);
  EXPECT_FLOAT_EQ(img(29, 10).r, 1.0f);
  EXPECT_FLOAT_EQ(img(30, 10).r, 0.5f);  // half-covered column
  EXPECT_FLOAT_EQ(img(31, 10).r, 0.0f);
  EXPECT_FLOAT_EQ(img(15, 4).r, 0.0f);
  EXPECT_FLOAT_EQ(img(15, 19).r, 1.0f);
  EXPECT_FLOAT_EQ(img(15, 20).r, 0.0f);
  // Area of a disc: sum of coverage close to pi r^2.
  pg::Canvas d(60, 60, 4, pg::Rgb(0, 0, 0));
  d.fill(pg::ellipse(30, 30, 20, 20), pg::Rgb(1, 1, 1));
  const pg::Image disc = d.resolve();
  double sum = 0;
  for (const auto& p : disc.data()) sum += p.r;
  EXPECT_NEAR(sum, 3.14159265 * 400, 6.0);
}

TEST(Canvas, HolesAndOverlappingStrokePiecesAreHandled) {
  // A ring: outer contour one way, inner the other way.
  pg::Canvas c(50, 50, 2, pg::Rgb(0, 0, 0));
  c.fill(std::vector<pg::Poly>{pg::rect(5, 5, 45, 45), pg::reversed(pg::rect(15, 15, 35, 35))}, pg::solid(pg::Rgb(1, 1, 1)));
  const pg::Image ring = c.resolve();
  EXPECT_FLOAT_EQ(ring(10, 25).r, 1.0f);
  EXPECT_FLOAT_EQ(ring(25, 25).r, 0.0f);
  // A translucent zig-zag stroke is laid down once, even where its pieces overlap.
  pg::Canvas s(50, 50, 2, pg::Rgb(0, 0, 0));
  s.stroke({{5, 25}, {25, 25}, {10, 26}, {45, 25}}, 6, pg::Rgb(1, 1, 1), 0.5f);
  const pg::Image st = s.resolve();
  EXPECT_FLOAT_EQ(st(15, 25).r, 0.5f);
  EXPECT_FLOAT_EQ(st(25, 10).r, 0.0f);
}

TEST(Jpeg, RoundTripKeepsSizeAndPixelsAndIsRepeatable) {
  pg::Image img(123, 77);
  for (int y = 0; y < 77; ++y)
    for (int x = 0; x < 123; ++x)
      img(x, y) = pg::Rgb(x / 122.0f, y / 76.0f, 0.5f + 0.3f * std::sin(x * 0.1f));
  const pg::Image8 px = pg::quantise(img);
  for (bool full : {false, true}) {
    pg::JpegOptions o;
    o.full_chroma = full;
    const auto bytes = pg::encode_jpeg(px, o);
    ASSERT_GT(bytes.size(), 100u);
    EXPECT_EQ(bytes, pg::encode_jpeg(px, o));
    pg::Image8 back;
    ASSERT_TRUE(pg::decode_jpeg(bytes, back));
    ASSERT_EQ(back.width, 123);
    ASSERT_EQ(back.height, 77);
    double se = 0;
    for (size_t i = 0; i < px.rgb.size(); ++i) se += std::pow(px.rgb[i] - back.rgb[i], 2);
    const double psnr = 10 * std::log10(255.0 * 255.0 / (se / px.rgb.size()));
    EXPECT_GT(psnr, 36.0);
  }
  pg::Image8 junk;
  EXPECT_FALSE(pg::decode_jpeg({0xFF, 0xD8, 0x00, 0x01, 0x02}, junk));
}

TEST(Png, EncodesAValidStream) {
  pg::Image8 img;
  img.width = 3;
  img.height = 2;
  img.rgb.assign(18, 200);
  const auto png = pg::encode_png(img);
  ASSERT_GT(png.size(), 40u);
  const unsigned char sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_TRUE(std::equal(sig, sig + 8, png.begin()));
  // Width and height in the IHDR chunk, big-endian.
  EXPECT_EQ(png[19], 3);
  EXPECT_EQ(png[23], 2);
}

}  // namespace
