// The grain model: Laguerre cells, their borders and the placement of sites.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "tessellation.h"

namespace {

double power(const pg::Site& s, double x, double y) { return (x - s.x) * (x - s.x) + (y - s.y) * (y - s.y) - s.w; }

// Owner and border distance by brute force over all sites.
pg::Tessellation::Hit brute(const std::vector<pg::Site>& sites, double x, double y) {
  pg::Tessellation::Hit h;
  double best = std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < sites.size(); ++i)
    if (power(sites[i], x, y) < best) {
      best = power(sites[i], x, y);
      h.id = static_cast<int>(i);
    }
  h.d = std::numeric_limits<double>::infinity();
  for (size_t j = 0; j < sites.size(); ++j) {
    if (static_cast<int>(j) == h.id) continue;
    const double sep = std::hypot(sites[j].x - sites[h.id].x, sites[j].y - sites[h.id].y);
    const double d = (power(sites[j], x, y) - best) / (2 * sep);
    if (d < h.d) {
      h.d = d;
      h.id2 = static_cast<int>(j);
    }
  }
  return h;
}

double area(const std::vector<pg::Tessellation::Vertex>& c) {
  double a = 0;
  for (size_t i = 0; i < c.size(); ++i) a += c[i].x * c[(i + 1) % c.size()].y - c[(i + 1) % c.size()].x * c[i].y;
  return 0.5 * a;
}

class TessellationTest : public ::testing::TestWithParam<bool> {};

// Both the plain Voronoi case and the weighted (Laguerre) case.
TEST_P(TessellationTest, LocateAgreesWithBruteForce) {
  pg::Rng rng(11);
  const pg::Box box{0, 0, 400, 300};
  auto sites = GetParam() ? pg::lognormal_sites(rng, box, 40, 0.5) : pg::poisson_sites(rng, box, 120);
  const pg::Tessellation t(sites, box, 16);
  for (int k = 0; k < 3000; ++k) {
    const double x = rng.uniform(0, 400), y = rng.uniform(0, 300);
    const auto got = t.locate(x, y);
    const auto want = brute(sites, x, y);
    ASSERT_EQ(got.id, want.id) << x << "," << y;
    ASSERT_NEAR(got.d, want.d, 1e-6) << x << "," << y;
    // The neighbour across the nearest border is one of the cell's edges.
    const auto& nb = t.neighbours(got.id);
    EXPECT_NE(std::find(nb.begin(), nb.end(), got.id2), nb.end());
  }
}

TEST_P(TessellationTest, CellsTileTheDomainAndNeighboursAreMutual) {
  pg::Rng rng(12);
  const pg::Box box{-50, -20, 350, 280};
  auto sites = GetParam() ? pg::lognormal_sites(rng, box, 30, 0.6) : pg::poisson_sites(rng, box, 200);
  const pg::Tessellation t(sites, box, 12);
  double total = 0;
  for (size_t i = 0; i < t.size(); ++i) {
    const auto& c = t.cell(static_cast<int>(i));
    total += std::abs(area(c));
    for (int j : t.neighbours(static_cast<int>(i))) {
      const auto& back = t.neighbours(j);
      EXPECT_NE(std::find(back.begin(), back.end(), static_cast<int>(i)), back.end()) << i << " " << j;
    }
    // Every vertex of a cell is equally close (in power) to the sites whose
    // borders meet there, and no other site is closer.
    for (const auto& v : c) {
      const double own = power(sites[i], v.x, v.y);
      for (const auto& s : sites) EXPECT_GE(power(s, v.x, v.y), own - 1e-6);
    }
  }
  EXPECT_NEAR(total, box.width() * box.height(), 1e-6 * box.width() * box.height());
}

INSTANTIATE_TEST_SUITE_P(VoronoiAndLaguerre, TessellationTest, ::testing::Values(false, true));

TEST(Tessellation, HeavierSitesOwnLargerCells) {
  pg::Rng rng(13);
  const pg::Box box{0, 0, 1000, 1000};
  auto sites = pg::lognormal_sites(rng, box, 60, 0.5);
  const pg::Tessellation t(sites, box, 30);
  // Rank correlation of nominal radius and cell area must be clearly positive.
  std::vector<std::pair<double, double>> ra;
  for (size_t i = 0; i < t.size(); ++i) ra.push_back({sites[i].r, std::abs(area(t.cell(static_cast<int>(i))))});
  double mr = 0, ma = 0;
  for (auto& p : ra) {
    mr += p.first;
    ma += p.second;
  }
  mr /= ra.size();
  ma /= ra.size();
  double cov = 0, vr = 0, va = 0;
  for (auto& p : ra) {
    cov += (p.first - mr) * (p.second - ma);
    vr += (p.first - mr) * (p.first - mr);
    va += (p.second - ma) * (p.second - ma);
  }
  EXPECT_GT(cov / std::sqrt(vr * va), 0.6);
}

TEST(Tessellation, LognormalSitesHaveTheRequestedSizesAndFillTheBox) {
  pg::Rng rng(14);
  const pg::Box box{10, 20, 810, 620};
  const double median = 40;
  auto sites = pg::lognormal_sites(rng, box, median, 0.4);
  std::vector<double> d;
  double covered = 0;
  for (const auto& s : sites) {
    EXPECT_GE(s.x, box.x0);
    EXPECT_LT(s.x, box.x1);
    EXPECT_GE(s.y, box.y0);
    EXPECT_LT(s.y, box.y1);
    EXPECT_DOUBLE_EQ(s.w, s.r * s.r);
    EXPECT_GE(2 * s.r, 0.35 * median - 1e-9);
    EXPECT_LE(2 * s.r, 3.0 * median + 1e-9);
    d.push_back(2 * s.r);
    covered += 3.14159265358979 * s.r * s.r;
  }
  std::nth_element(d.begin(), d.begin() + d.size() / 2, d.end());
  EXPECT_NEAR(d[d.size() / 2], median, 0.08 * median);
  EXPECT_NEAR(covered / (box.width() * box.height()), 0.9, 0.05);
  // Placement keeps sites apart: no two sites nearly on top of each other.
  double closest = 1e9;
  for (size_t i = 0; i < sites.size(); ++i)
    for (size_t j = i + 1; j < sites.size(); ++j)
      closest = std::min(closest, std::hypot(sites[i].x - sites[j].x, sites[i].y - sites[j].y) / (sites[i].r + sites[j].r));
  EXPECT_GT(closest, 0.3);
}

TEST(Tessellation, CellMapAndInscribedRadii) {
  // Two sites: the border is the vertical line x = 50.
  std::vector<pg::Site> s = {{25, 50, 0, 10}, {75, 50, 0, 10}};
  const pg::Tessellation t(s, {0, 0, 100, 100}, 10);
  const pg::CellMap m = pg::map_cells(t, 100, 100);
  EXPECT_EQ(m.id[m.index(10, 50)], 0);
  EXPECT_EQ(m.id[m.index(90, 50)], 1);
  EXPECT_FLOAT_EQ(m.d[m.index(40, 7)], 9.5f);  // pixel centre 40.5
  EXPECT_EQ(m.id2[m.index(40, 7)], 1);
  const auto r = pg::inscribed_radii(m, 2);
  EXPECT_FLOAT_EQ(r[0], 49.5f);
  EXPECT_FLOAT_EQ(r[1], 49.5f);
  // At half the resolution distances are reported in output pixels.
  const pg::CellMap half = pg::map_cells(t, 50, 50, 2.0);
  EXPECT_FLOAT_EQ(half.d[half.index(20, 3)], 4.5f);  // point 41, border 9 away, 4.5 pixels
}

}  // namespace
