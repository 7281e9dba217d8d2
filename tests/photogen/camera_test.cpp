// What optics, camera and scan add: vignetting, lamp colour, noise, scan
// lines, contrast stretch; and the light microscope's capture chain.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "camera.h"
#include "image.h"
#include "lightmicro.h"
#include "sem.h"

namespace {

double mean(const pg::Field& f) { return std::accumulate(f.data().begin(), f.data().end(), 0.0) / f.data().size(); }

double variance(const pg::Field& f) {
  const double m = mean(f);
  double v = 0;
  for (float x : f.data()) v += (x - m) * (x - m);
  return v / f.data().size();
}

TEST(Camera, VignettingDarkensCornersNotTheCentre) {
  pg::Image img(101, 61, pg::Rgb(1, 1, 1));
  pg::vignette(img, 0.3);
  EXPECT_NEAR(img(50, 30).r, 1.0f, 1e-3);
  EXPECT_NEAR(img(0, 0).r, 0.7f, 0.01f);
  EXPECT_NEAR(img(100, 60).r, img(0, 0).r, 1e-6);
  EXPECT_GT(img(50, 0).r, img(0, 0).r);  // edge middles less than corners
}

TEST(Camera, LampColourMultipliesChannels) {
  pg::Image img(2, 2, pg::Rgb(0.5f, 0.5f, 0.5f));
  pg::illuminate(img, pg::Rgb(1.0f, 0.9f, 0.8f));
  EXPECT_FLOAT_EQ(img(1, 1).r, 0.5f);
  EXPECT_FLOAT_EQ(img(1, 1).g, 0.45f);
  EXPECT_FLOAT_EQ(img(1, 1).b, 0.4f);
}

TEST(Camera, ShotNoiseGrowsWithTheSquareRootOfTheSignal) {
  pg::Rng rng(1);
  pg::Field dim(200, 200, 0.1f), bright(200, 200, 0.4f);
  pg::shot_noise(dim, rng, 0.05);
  pg::shot_noise(bright, rng, 0.05);
  EXPECT_NEAR(mean(dim), 0.1, 0.002);
  EXPECT_NEAR(std::sqrt(variance(dim)), 0.05 * std::sqrt(0.1), 0.001);
  EXPECT_NEAR(variance(bright) / variance(dim), 4.0, 0.25);
  pg::Field black(50, 50, 0.0f);
  pg::shot_noise(black, rng, 0.05);
  for (float v : black.data()) EXPECT_EQ(v, 0.0f);
}

TEST(Camera, ScanJitterShiftsWholeLines) {
  // Vertical stripes: each line is shifted sideways as a whole, so within a
  // line the pattern keeps its shape; a uniform field stays uniform.
  pg::Rng rng(2);
  pg::Field flat(64, 64, 0.5f);
  pg::scan_jitter(flat, rng, 0.8, 0.0);
  for (float v : flat.data()) EXPECT_NEAR(v, 0.5f, 1e-6);
  pg::Field ramp(64, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) ramp(x, y) = static_cast<float>(x);
  pg::scan_jitter(ramp, rng, 0.8, 0.0);
  int shifted = 0;
  for (int y = 0; y < 32; ++y) {
    const float off = ramp(30, y) - 30.0f;
    if (std::abs(off) > 0.05f) ++shifted;
    for (int x = 5; x < 59; ++x) EXPECT_NEAR(ramp(x, y) - x, off, 1e-4) << x << "," << y;
  }
  EXPECT_GT(shifted, 10);
}

TEST(Camera, LevelsAndGamma) {
  pg::Field f(100, 1);
  for (int x = 0; x < 100; ++x) f(x, 0) = static_cast<float>(x);
  pg::auto_levels(f, 0.1, 0.9, 0.0f, 1.0f);
  EXPECT_NEAR(f(10, 0), 0.0f, 0.02f);
  EXPECT_NEAR(f(89, 0), 1.0f, 0.02f);
  EXPECT_LT(f(0, 0), 0.0f);  // stretched, not clamped
  pg::Field g(3, 1);
  g(0, 0) = -0.5f;
  g(1, 0) = 0.25f;
  g(2, 0) = 2.0f;
  pg::apply_gamma(g, 0.5);
  EXPECT_FLOAT_EQ(g(0, 0), 0.0f);
  EXPECT_FLOAT_EQ(g(1, 0), 0.5f);
  EXPECT_FLOAT_EQ(g(2, 0), 1.0f);
}

TEST(Scan, FinishedSemPicturesUseTheGreyRange) {
  pg::Rng rng(3);
  pg::Field f(120, 80);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) f(x, y) = static_cast<float>(3.0 + std::sin(x * 0.2) + 0.01 * y);
  pg::ScanParams sp;
  pg::finish_scan(f, rng, sp);
  const double m = mean(f);
  EXPECT_GT(m, 0.3);
  EXPECT_LT(m, 0.7);
  EXPECT_GT(std::sqrt(variance(f)), 0.2);
  const pg::Image img = pg::grey_image(f);
  EXPECT_FLOAT_EQ(img(7, 7).r, f(7, 7));
  EXPECT_FLOAT_EQ(img(7, 7).b, f(7, 7));
}

TEST(LightMicroscope, GroovesAndBoundaryEtching) {
  EXPECT_DOUBLE_EQ(pg::groove(0, 1.5), 1.0);
  EXPECT_NEAR(pg::groove(1.5, 1.5), std::exp(-1.0), 1e-12);
  EXPECT_DOUBLE_EQ(pg::groove(10, 1.5), 0.0);
  // The same boundary seen from either grain etches alike.
  for (int k = 0; k < 50; ++k) {
    const double s = pg::boundary_strength(77, k, k + 3, k * 3.1, k * 1.7, 20);
    EXPECT_DOUBLE_EQ(s, pg::boundary_strength(77, k + 3, k, k * 3.1, k * 1.7, 20));
    EXPECT_GT(s, 0.2);
    EXPECT_LT(s, 1.3);
  }
}

TEST(LightMicroscope, WarpedMapWithoutWarpIsThePlainMap) {
  pg::Rng rng(4);
  const pg::Box box{-20, -20, 140, 100};
  const pg::Tessellation t(pg::poisson_sites(rng, box, 40), box, 10);
  const pg::CellMap a = pg::map_cells(t, 120, 80);
  const pg::CellMap b = pg::warped_cells(t, 120, 80, 9, 0.0, 30);
  EXPECT_EQ(a.id, b.id);
  EXPECT_EQ(a.d, b.d);
  const pg::CellMap c = pg::warped_cells(t, 120, 80, 9, 4.0, 30);
  EXPECT_NE(a.id, c.id);
}

TEST(LightMicroscope, CaptureBlursAveragesAndTints) {
  // A sharp black-white edge at the working resolution.
  pg::Image refl(200, 100, pg::Rgb(1, 1, 1));
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) refl(x, y) = pg::Rgb(0, 0, 0);
  pg::Rng rng(5);
  pg::OpticsParams op;
  op.noise = 0;
  op.vignette = 0;
  op.exposure = 1.0;
  op.lamp = pg::Rgb(1.0f, 0.9f, 0.8f);
  op.psf_sigma_um = 0.5;
  const pg::Image img = pg::optical_capture(refl, 100, 50, 10.0, 2, rng, op);
  ASSERT_EQ(img.width(), 100);
  ASSERT_EQ(img.height(), 50);
  EXPECT_NEAR(img(10, 25).r, 0.0f, 1e-3);
  EXPECT_NEAR(img(90, 25).r, 1.0f, 1e-3);
  EXPECT_NEAR(img(90, 25).b, 0.8f, 1e-3);
  // The edge is spread over several pixels (sigma 5 output pixels).
  EXPECT_GT(img(52, 25).r, 0.55f);
  EXPECT_LT(img(52, 25).r, 0.8f);
  EXPECT_GT(img(47, 25).r, 0.2f);
}

}  // namespace
