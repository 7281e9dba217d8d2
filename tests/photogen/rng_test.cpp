// The generator behind every picture: known answers, reproducibility and
// the shape of its distributions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "noise.h"
#include "rng.h"

namespace {

TEST(Rng, SplitMix64MatchesTheReferenceSequence) {
  uint64_t state = 0;
  EXPECT_EQ(pg::splitmix64(state), 0xE220A8397B1DCDAFull);
  EXPECT_EQ(state, 0x9E3779B97F4A7C15ull);
}

TEST(Rng, Xoshiro256StarStarMatchesTheReferenceSequence) {
  pg::Rng r = pg::Rng::from_state(1, 2, 3, 4);
  EXPECT_EQ(r.next(), 11520ull);
  EXPECT_EQ(r.next(), 0ull);
  EXPECT_EQ(r.next(), 1509978240ull);
  EXPECT_EQ(r.next(), 1215971899390074240ull);
}

TEST(Rng, SameSeedSameSequenceOtherSeedOtherSequence) {
  pg::Rng a(42), b(42), c(43);
  int differ = 0;
  for (int i = 0; i < 1000; ++i) {
    const uint64_t x = a.next();
    ASSERT_EQ(x, b.next());
    if (x != c.next()) ++differ;
  }
  EXPECT_GT(differ, 990);
}

TEST(Rng, ForksAreReproducibleAndIndependent) {
  pg::Rng a(7), b(7);
  pg::Rng fa = a.fork(1), fb = b.fork(1);
  pg::Rng other = pg::Rng(7).fork(2);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(fa.next(), fb.next());
  EXPECT_NE(pg::Rng(7).fork(1).next(), other.next());
}

TEST(Rng, UniformAndBelowStayInRangeAndCoverIt) {
  pg::Rng r(1);
  std::vector<int> counts(10, 0);
  for (int i = 0; i < 100000; ++i) {
    const double u = r.uniform();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    const int k = r.below(10);
    ASSERT_GE(k, 0);
    ASSERT_LT(k, 10);
    ++counts[k];
    const double v = r.uniform(-3.0, 5.0);
    ASSERT_GE(v, -3.0);
    ASSERT_LT(v, 5.0);
  }
  // Each bucket near 10000; 5 sigma is about 475.
  for (int c : counts) EXPECT_NEAR(c, 10000, 500);
}

TEST(Rng, NormalAndLognormalHaveTheirMomentsAndMedian) {
  pg::Rng r(3);
  const int n = 200000;
  double sum = 0, sum2 = 0;
  std::vector<double> ln;
  for (int i = 0; i < n; ++i) {
    const double z = r.normal();
    sum += z;
    sum2 += z * z;
  }
  for (int i = 0; i < 20001; ++i) ln.push_back(r.lognormal(5.0, 0.4));
  EXPECT_NEAR(sum / n, 0.0, 0.01);
  EXPECT_NEAR(sum2 / n, 1.0, 0.015);
  std::nth_element(ln.begin(), ln.begin() + 10000, ln.end());
  EXPECT_NEAR(ln[10000], 5.0, 0.1);
  EXPECT_GT(*std::min_element(ln.begin(), ln.end()), 0.0);
}

TEST(Noise, GradientNoiseIsSeededBoundedAndContinuous) {
  double lo = 1e9, hi = -1e9;
  int same = 0;
  for (int i = 0; i < 2000; ++i) {
    const double x = i * 0.173, y = i * 0.091;
    const double v = pg::gradient_noise(9, x, y);
    EXPECT_EQ(v, pg::gradient_noise(9, x, y));
    if (v == pg::gradient_noise(10, x, y)) ++same;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
    // A tiny step changes the value only a little (smooth interpolation).
    EXPECT_LT(std::abs(pg::gradient_noise(9, x + 1e-4, y) - v), 1e-3);
  }
  EXPECT_GE(lo, -1.5);
  EXPECT_LE(hi, 1.5);
  EXPECT_LT(lo, -0.3);  // the range is actually used
  EXPECT_GT(hi, 0.3);
  EXPECT_LT(same, 50);
  // Zero at lattice points.
  EXPECT_DOUBLE_EQ(pg::gradient_noise(9, 3.0, -2.0), 0.0);
}

TEST(Noise, LatticeNoiseFieldFollowsDirectEvaluation) {
  const int w = 64, h = 48;
  const double scale = 40;
  const pg::Field f = pg::noise_field(5, w, h, scale, 2, 4);
  double worst = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) worst = std::max(worst, std::abs(f(x, y) - pg::fbm(5, x / scale, y / scale, 2)));
  EXPECT_LT(worst, 0.05);  // of a range of about [-1, 1]
  // On the lattice itself the values are exact.
  EXPECT_FLOAT_EQ(f(8, 12), static_cast<float>(pg::fbm(5, 8 / scale, 12 / scale, 2)));
}

}  // namespace
