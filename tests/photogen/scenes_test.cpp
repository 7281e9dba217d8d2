// Small renderings of the fracture models and the contact sheet layout.
#include <gtest/gtest.h>

#include <cmath>

#include "contact_sheet.h"
#include "fractography.h"

namespace {

double mean_of(const pg::Image& img) {
  double s = 0;
  for (const auto& p : img.data()) s += p.r;
  return s / img.data().size();
}

double sd_of(const pg::Image& img) {
  const double m = mean_of(img);
  double s = 0;
  for (const auto& p : img.data()) s += (p.r - m) * (p.r - m);
  return std::sqrt(s / img.data().size());
}

TEST(Fractography, EveryModelGivesAGreyMicrographRepeatably) {
  const int w = 240, h = 150;
  using Model = pg::Image (*)(int, int, double, uint64_t);
  const std::pair<Model, double> models[] = {{pg::fracture_cleavage, 250},
                                             {pg::fracture_mixed, 500},
                                             {pg::fracture_dimples, 500},
                                             {pg::fracture_fine_dimples, 60}};
  for (const auto& [model, field] : models) {
    const double f = field * w / 700.0;
    const pg::Image a = model(w, h, f, 11), b = model(w, h, f, 11), c = model(w, h, f, 12);
    ASSERT_EQ(a.width(), w);
    ASSERT_EQ(a.height(), h);
    EXPECT_EQ(pg::quantise(a).rgb, pg::quantise(b).rgb);
    EXPECT_NE(pg::quantise(a).rgb, pg::quantise(c).rgb);
    // Neutral grey, with the contrast of a real secondary-electron picture.
    EXPECT_FLOAT_EQ(a(10, 10).r, a(10, 10).b);
    EXPECT_GT(mean_of(a), 0.2);
    EXPECT_LT(mean_of(a), 0.75);
    EXPECT_GT(sd_of(a), 0.08);
  }
}

TEST(ContactSheet, SixCellsPerRowPicturesFitTheirCells) {
  pg::Image8 wide;
  wide.width = 600;
  wide.height = 100;
  wide.rgb.assign(600 * 100 * 3, 255);
  pg::Image8 tall;
  tall.width = 50;
  tall.height = 40;
  tall.rgb.assign(50 * 40 * 3, 0);
  std::vector<std::pair<std::string, const pg::Image8*>> items;
  for (int k = 0; k < 7; ++k) items.push_back({"p" + std::to_string(k), k == 0 ? &wide : &tall});
  const pg::Image8 sheet = pg::contact_sheet(items);
  EXPECT_EQ(sheet.width, 6 * 310 + 10);
  EXPECT_EQ(sheet.height, 2 * (220 + 22 + 10) + 10);
  auto px = [&](int x, int y) { return sheet.rgb[(static_cast<size_t>(y) * sheet.width + x) * 3]; };
  // The wide picture is halved to 300 x 50 and stands at the bottom of its cell.
  EXPECT_EQ(px(10 + 150, 10 + 220 - 25), 255);
  EXPECT_NE(px(10 + 150, 10 + 220 - 60), 255);
  // Small pictures are not enlarged: 50 x 40 centred at the bottom of the second cell.
  EXPECT_EQ(px(320 + 150, 10 + 220 - 20), 0);
  EXPECT_NE(px(320 + 150 - 40, 10 + 220 - 20), 0);
}

}  // namespace
