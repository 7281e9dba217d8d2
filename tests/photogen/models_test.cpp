// The microstructure and scene models: pearlite lamellae, twin bands, the
// chromium-nickel steel in BSE and SE contrast, lit surfaces, the weld
// section and the title bands.
#include <gtest/gtest.h>

#include <cmath>

#include "austenite.h"
#include "crni_sem.h"
#include "macro.h"
#include "pearlite.h"
#include "title.h"
#include "weld.h"

namespace {

TEST(Pearlite, LamellaeRepeatWithTheColonySpacingAndCementiteShare) {
  pg::PearliteColony c;
  c.nx = std::cos(0.4);
  c.ny = std::sin(0.4);
  c.spacing = 8;
  c.cementite = 0.2;
  c.bend = 0;  // straight plates
  c.seed = 3;
  // Along the normal the pattern repeats every 'spacing' pixels.
  int same = 0, n = 0;
  double cover = 0;
  for (int k = 0; k < 400; ++k) {
    const double t = k * 0.37;
    const double x = 50 + t * c.nx, y = 20 + t * c.ny;
    const double a = c.cementite_cover(x, y), b = c.cementite_cover(x + c.spacing * c.nx, y + c.spacing * c.ny);
    if (std::abs(a - b) < 1e-6) ++same;
    cover += a;
    ++n;
  }
  EXPECT_GT(same, 360);  // the few misses are plate breaks
  // Covered share near the cementite share (a few breaks lower it).
  EXPECT_NEAR(cover / n, 0.2, 0.06);
  // Dark where the plates are, light between them.
  double lo = 1, hi = 0;
  for (int k = 0; k < 100; ++k) {
    const double r = c.reflectance(k * 0.5, 0);
    lo = std::min(lo, r);
    hi = std::max(hi, r);
  }
  EXPECT_LT(lo, 0.1);
  EXPECT_GT(hi, 0.35);
}

TEST(Twins, BandCoverageAndEnds) {
  pg::TwinBand b;
  b.nx = 0;
  b.ny = 1;  // horizontal band 40 <= y <= 50
  b.offset = 45;
  b.width = 10;
  EXPECT_DOUBLE_EQ(b.coverage(0, 45), 1.0);
  EXPECT_DOUBLE_EQ(b.coverage(0, 30), 0.0);
  EXPECT_DOUBLE_EQ(b.coverage(0, 50), 0.5);  // on the edge
  EXPECT_DOUBLE_EQ(b.edge_distance(0, 47), 3.0);
  // A twin ending inside its grain: t = -x here, so it covers x > -end.
  b.partial = true;
  b.end = -20;
  EXPECT_DOUBLE_EQ(b.coverage(30, 45), 1.0);
  EXPECT_DOUBLE_EQ(b.coverage(10, 45), 0.0);
  EXPECT_DOUBLE_EQ(b.coverage(20, 45), 0.5);
}

TEST(CrNiSteel, InclusionIsDarkInBseAndBrightInSeFerriteDiffersFromAustenite) {
  const int w = 385, h = 231;
  const pg::CrNiSemField f = pg::crni_sem_field(w, h, 100, 0xC0CE01);
  ASSERT_EQ(f.bse.width(), w);
  ASSERT_EQ(f.se.height(), h);
  auto avg = [](const pg::Image& img, double cx, double cy, int r) {
    double s = 0;
    int n = 0;
    for (int y = static_cast<int>(cy) - r; y <= static_cast<int>(cy) + r; ++y)
      for (int x = static_cast<int>(cx) - r; x <= static_cast<int>(cx) + r; ++x) {
        s += img(x, y).r;
        ++n;
      }
    return s / n;
  };
  double bse_all = 0, se_all = 0;
  for (const auto& p : f.bse.data()) bse_all += p.r;
  for (const auto& p : f.se.data()) se_all += p.r;
  bse_all /= f.bse.data().size();
  se_all /= f.se.data().size();
  // The label points at the inclusion's rim; its centre lies inward.
  const double ix = 0.6 * w, iy = 0.42 * h;
  EXPECT_GT(f.inclusion_x, 0);
  EXPECT_LT(f.inclusion_x, ix);
  EXPECT_LT(avg(f.bse, ix, iy, 4), 0.5 * bse_all);
  EXPECT_GT(avg(f.se, ix, iy, 4), 1.3 * se_all);
  // The delta-ferrite label points at a stringer: darker than the austenite in BSE.
  EXPECT_GT(f.ferrite_y, 0.42 * h);
  EXPECT_LT(avg(f.bse, f.ferrite_x, f.ferrite_y, 1), bse_all - 0.03);
}

TEST(LitSurface, FlatIsEvenSlopesFacingTheMainLightAreBrighter) {
  pg::Surface s(40, 40);
  for (auto& p : s.albedo.data()) p = pg::Rgb(0.5f, 0.5f, 0.5f);
  const pg::Image flat = pg::light_surface(s);
  EXPECT_FLOAT_EQ(flat(5, 5).r, flat(30, 30).r);
  // A slope rising to the right faces the upper-left light.
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) s.height(x, y) = static_cast<float>(0.5 * x);
  const pg::Image left = pg::light_surface(s);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) s.height(x, y) = static_cast<float>(-0.5 * x);
  const pg::Image right = pg::light_surface(s);
  // The stronger of the two lights stands at the upper left.
  EXPECT_GT(left(20, 20).r, right(20, 20).r + 0.02f);
  // Gloss adds a highlight.
  s.height = pg::Field(40, 40);
  for (auto& g : s.gloss.data()) g = 1.0f;
  EXPECT_GT(pg::light_surface(s)(20, 20).r, flat(20, 20).r);
}

TEST(Weld, EtchingRevealsTheWeldThatPolishingHides) {
  const pg::Image pol = pg::weld_section(200, 150, false, 1), aet = pg::weld_section(200, 150, true, 1);
  // Spread of grey values in the weld (middle of the plate) and in the base metal.
  auto spread = [](const pg::Image& img, int x0, int x1) {
    double s = 0, s2 = 0;
    int n = 0;
    for (int y = 60; y < 100; ++y)
      for (int x = x0; x < x1; ++x) {
        s += img(x, y).r;
        s2 += img(x, y).r * img(x, y).r;
        ++n;
      }
    return std::sqrt(s2 / n - (s / n) * (s / n));
  };
  EXPECT_GT(spread(aet, 90, 110), 2.5 * spread(pol, 90, 110));
  // Polished metal is bright, the resin around it dark.
  EXPECT_GT(pol(40, 80).r, 0.6f);
  EXPECT_LT(pol(100, 10).r, 0.2f);
  EXPECT_LT(aet(40, 80).r, pol(40, 80).r);  // etching dulls the base metal
}

TEST(Title, BandsRunDiagonallyFromBlueToYellow) {
  const pg::Rgb yellow = pg::backdrop_ramp(0), blue = pg::backdrop_ramp(1), grey = pg::backdrop_ramp(0.5);
  EXPECT_FLOAT_EQ(yellow.r, 1.0f);
  EXPECT_FLOAT_EQ(yellow.g, 254 / 255.0f);
  EXPECT_FLOAT_EQ(yellow.b, 0.0f);
  EXPECT_FLOAT_EQ(blue.r, 1 / 255.0f);
  EXPECT_FLOAT_EQ(blue.b, 254 / 255.0f);
  EXPECT_FLOAT_EQ(grey.r, 128 / 255.0f);  // step 128 of the ramp: R 128, G 127, B 127
  EXPECT_FLOAT_EQ(grey.g, 127 / 255.0f);
  EXPECT_FLOAT_EQ(grey.b, 127 / 255.0f);
  const pg::Image t = pg::title_background(300, 200);
  int bluish = 0, yellowish = 0;
  for (const auto& p : t.data()) {
    if (p.b > 0.8f && p.r < 0.2f) ++bluish;
    if (p.r > 0.8f && p.b < 0.2f) ++yellowish;
  }
  EXPECT_GT(bluish, 3000);
  EXPECT_GT(yellowish, 3000);
  // Along the bands the colour changes slowly, across them fast.
  const double ca = std::cos(0.62), sa = std::sin(0.62);
  auto at = [&](double x, double y) { return t(static_cast<int>(x), static_cast<int>(y)).b; };
  double along = 0, across = 0;
  for (int k = 0; k < 20; ++k) {
    const double x = 100 + k, y = 60 + k;
    along += std::abs(at(x - 15 * sa, y + 15 * ca) - at(x, y));
    across += std::abs(at(x + 15 * ca, y + 15 * sa) - at(x, y));
  }
  EXPECT_GT(across, 3 * along);
}

}  // namespace
