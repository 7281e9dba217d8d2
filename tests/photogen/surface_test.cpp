// Physical models of the surfaces: secondary-electron contrast, river lines
// of cleavage facets, dimples, graphite flakes and the lighting of drawn
// solids.
#include <gtest/gtest.h>

#include <cmath>

#include "cleavage.h"
#include "dimples.h"
#include "draw.h"
#include "graphite.h"
#include "sem.h"

namespace {

pg::SeParams tilt_only() {
  pg::SeParams p;
  p.facing = 0;
  p.edge = 0;
  p.cavity = 0;
  p.shadow = 0;
  return p;
}

TEST(SecondaryElectrons, FlatIsOneAndTiltFollowsInverseCosine) {
  const pg::SeParams p = tilt_only();
  pg::Field flat(40, 30, 5.0f);
  const pg::Field s0 = pg::render_se(flat, p);
  for (float v : s0.data()) EXPECT_FLOAT_EQ(v, 1.0f);
  for (double deg : {20.0, 45.0, 60.0}) {
    const double slope = std::tan(deg * 3.14159265358979 / 180);
    pg::Field plane(40, 30);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) plane(x, y) = static_cast<float>(slope * x);
    const pg::Field s = pg::render_se(plane, p);
    EXPECT_NEAR(s(20, 15), 1.0 / std::cos(deg * 3.14159265358979 / 180), 1e-4) << deg;
  }
}

TEST(SecondaryElectrons, SlopesFacingTheDetectorAreBrighter) {
  pg::SeParams p = tilt_only();
  p.detector_x = 1;
  p.detector_y = 0;
  p.facing = 0.5;
  pg::Field up(40, 30), down(40, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      up(x, y) = static_cast<float>(0.5 * x);     // normal leans away from +x
      down(x, y) = static_cast<float>(-0.5 * x);  // normal leans towards +x
    }
  EXPECT_GT(pg::render_se(down, p)(20, 15), pg::render_se(up, p)(20, 15) * 1.2);
}

TEST(SecondaryElectrons, EdgesBrightenAndHiddenPointsDarken) {
  // A plateau: its rim is an edge; the ground beside it is shadowed on the
  // side away from the detector.
  pg::Field h(80, 40, 0.0f);
  for (int y = 0; y < 40; ++y)
    for (int x = 30; x < 50; ++x) h(x, y) = 10.0f;
  pg::SeParams p = tilt_only();
  p.edge = 0.3;
  p.edge_radius = 1.5;
  const pg::Field e = pg::render_se(h, p);
  EXPECT_GT(e(31, 20), 1.3f);           // just inside the rim, where the surface is level
  EXPECT_NEAR(e(40, 20), 1.0f, 0.01f);  // middle of the plateau
  EXPECT_NEAR(e(26, 20), 1.0f, 1e-5);   // concave foot: no brightening
  pg::SeParams q = tilt_only();
  q.detector_x = 1;
  q.detector_y = 0;
  q.shadow = 0.5;
  const pg::Field s = pg::render_se(h, q);
  EXPECT_LT(s(25, 20), 0.6f);          // detector hidden behind the plateau
  EXPECT_NEAR(s(60, 20), 1.0f, 1e-5);  // free view
}

TEST(Cleavage, RiverLinesConvergeDownstream) {
  pg::RiverFacet f;
  f.kappa = 1.0;
  f.spacing = 0.1;
  f.step = 0.02;
  f.seed = 4;
  f.build(2.6 * std::exp(2.0));
  // Along the curve v = c exp(-kappa u) the line coordinate does not change.
  for (double c : {-0.5, 0.2, 0.7}) {
    const double k = f.line_coordinate(-1.0, c * std::exp(1.0));
    for (double u : {-0.5, 0.0, 0.8}) EXPECT_NEAR(f.line_coordinate(u, c * std::exp(-u)), k, 1e-9);
  }
  // So a fixed width across the facet is crossed by more lines downstream.
  const double up = f.line_coordinate(-0.8, 0.5) - f.line_coordinate(-0.8, -0.5);
  const double down = f.line_coordinate(0.8, 0.5) - f.line_coordinate(0.8, -0.5);
  EXPECT_GT(down, 4 * up);
}

TEST(Cleavage, HeightStepsByTheStepOfEachLineCrossed) {
  pg::RiverFacet f;
  f.kappa = 0.0;  // parallel lines: v = (k + f) * spacing
  f.spacing = 0.1;
  f.step = 0.02;
  f.seed = 9;
  f.build(3.0);
  const double pixel = 0.001;
  for (int k = -5; k < 5; ++k) {
    // Just below line k and just below line k + 1: exactly one step lies between.
    const double a = f.height(0.0, (k + 0.0) * f.spacing + 1e-9, pixel);
    const double b = f.height(0.0, (k + 1.0) * f.spacing + 1e-9, pixel);
    EXPECT_NEAR(b - a, f.step_of(k), 1e-9) << k;
  }
  // Some lines carry no step at all, the rest vary in height.
  int zero = 0, nonzero = 0;
  for (int k = -200; k < 200; ++k) (f.step_of(k) == 0 ? zero : nonzero)++;
  EXPECT_GT(zero, 100);
  EXPECT_GT(nonzero, 150);
}

TEST(Dimples, RimsAreHighFloorsAreLowAndParticlesBrighten) {
  pg::Rng rng(21);
  pg::DimpleParams p;
  p.median_diameter = 24;
  p.relief = 0;
  p.warp = 0;
  p.inclusion_chance = 1.0;
  pg::Field yield(200, 150, 1.0f);
  const pg::Field z = pg::dimple_heights(200, 150, rng, p, &yield);
  double lo = 1e9, hi = -1e9;
  for (float v : z.data()) {
    lo = std::min(lo, static_cast<double>(v));
    hi = std::max(hi, static_cast<double>(v));
  }
  // Bowls are about as deep as they are wide (radius 1.25 x 12, depth factor <= 1.25).
  EXPECT_LT(lo, -10.0);
  EXPECT_GT(lo, -2.0 * 1.25 * 1.25 * 3 * 12);
  EXPECT_GT(hi, lo + 15.0);
  EXPECT_LT(hi, 20.0);
  int bright = 0;
  for (float v : yield.data())
    if (v > 1.0f) ++bright;
  EXPECT_GT(bright, 20);
}

TEST(Graphite, FlakesAreTaperedRibbonsWithASignedDistance) {
  const auto flakes = pg::grow_flakes(5, 400, 300, 10.0);
  ASSERT_GE(flakes.size(), 7u);
  for (const auto& f : flakes) {
    ASSERT_EQ(f.x.size(), f.half.size());
    // Thin at both tips, thicker in between.
    const double mid = *std::max_element(f.half.begin(), f.half.end());
    EXPECT_LT(f.half.front(), 0.6 * mid);
    EXPECT_LT(f.half.back(), 0.6 * mid);
  }
  pg::Flake one;
  one.x = {50, 150};
  one.y = {50, 50};
  one.half = {4, 4};
  const auto d = pg::flake_distance({one}, 200, 100, 10);
  EXPECT_NEAR(d[50 * 200 + 100], -3.5f, 1e-4);  // pixel centre half a pixel off the centre line
  EXPECT_NEAR(d[60 * 200 + 100], 6.5f, 1e-4);
  EXPECT_FLOAT_EQ(d[90 * 200 + 100], 10.0f);    // beyond reach
}

TEST(Shading, LightComesFromTheUpperLeftFront) {
  const pg::Material m{pg::Rgb(0.6f, 0.6f, 0.6f), 0.0, 0.0};
  const float front = pg::shade(m, {0, 0, 1}).r;
  const float upper_left = pg::shade(m, {-0.5, -0.6, 0.6}).r;
  const float lower_right = pg::shade(m, {0.6, 0.6, 0.5}).r;
  EXPECT_GT(upper_left, front);
  EXPECT_GT(front, lower_right);
  // Polished metal mirrors the room: bright above, dark below.
  const pg::Material chrome{pg::Rgb(0.8f, 0.8f, 0.8f), 1.0, 0.0};
  EXPECT_GT(pg::shade(chrome, {0, -0.5, 0.8}).r, pg::shade(chrome, {0, 0.5, 0.8}).r + 0.2f);
}

}  // namespace
