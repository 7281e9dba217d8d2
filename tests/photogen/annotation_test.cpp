// Scale-bar arithmetic, the German length notation, text rendering and the
// burned-in marks.
#include <gtest/gtest.h>

#include <cmath>

#include "annotate.h"
#include "catalog.h"
#include "scalebar.h"
#include "text.h"

namespace {

TEST(ScaleBar, PixelLengthFollowsTheFieldOfView) {
  EXPECT_EQ(pg::bar_pixels({110, 770}, 10), 70);
  EXPECT_EQ(pg::bar_pixels({320, 770}, 55), 132);   // 132.34
  EXPECT_EQ(pg::bar_pixels({2000, 770}, 200), 77);
  EXPECT_EQ(pg::bar_pixels({60, 700}, 10), 117);    // 116.67
  EXPECT_EQ(pg::bar_pixels({250, 700}, 50), 140);
  const pg::Magnification m{500, 700};
  EXPECT_DOUBLE_EQ(m.px_per_um() * m.um_per_px(), 1.0);
  EXPECT_NEAR(pg::bar_length_um(m, pg::bar_pixels(m, 100)), 100.0, m.um_per_px() / 2);
}

TEST(ScaleBar, EveryBarIsAPlausibleShareOfItsPicture) {
  for (const auto& sb : pg::scale_bars()) {
    int width = 0;
    for (const auto& p : pg::picture_list())
      if (p.file == sb.file) width = p.width;
    ASSERT_GT(width, 0) << sb.file << " is not a picture";
    const double share = pg::bar_pixels({sb.field_um, width}, sb.bar_um) / static_cast<double>(width);
    EXPECT_GT(share, 0.08) << sb.file;
    EXPECT_LT(share, 0.3) << sb.file;
  }
  EXPECT_EQ(pg::scale_bar("TFormLMCrNi3.jpg").bar_um, 55);
  EXPECT_THROW(pg::scale_bar("TFormHaupt.jpg"), std::out_of_range);
}

TEST(ScaleBar, GermanNotation) {
  EXPECT_EQ(pg::format_length(10), "10 \u00B5m");
  EXPECT_EQ(pg::format_length(55), "55 \u00B5m");
  EXPECT_EQ(pg::format_length(100), "100 \u00B5m");
  EXPECT_EQ(pg::format_length(2.5), "2,5 \u00B5m");
  EXPECT_EQ(pg::format_length(200), "0,2 mm");
  EXPECT_EQ(pg::format_length(250), "250 \u00B5m");
  EXPECT_EQ(pg::format_length(1000), "1 mm");
  EXPECT_EQ(pg::format_length(1500), "1,5 mm");
  EXPECT_EQ(pg::decimal_comma(0.125), "0,125");
  EXPECT_EQ(pg::decimal_comma(3.0), "3");
}

TEST(Text, Utf8Decoding) {
  EXPECT_EQ(pg::utf8_decode("a\u00E4\u00B5"), std::u32string({U'a', 0xE4, 0xB5}));
  EXPECT_EQ(pg::utf8_decode("\u20AC"), std::u32string({0x20AC}));
  EXPECT_EQ(pg::utf8_decode(std::string("x\xC3", 2)), std::u32string({U'x', 0xFFFD}));
  EXPECT_EQ(pg::utf8_decode(std::string("\xFF" "b", 2)), std::u32string({0xFFFD, U'b'}));
}

TEST(Text, ExtentsGrowWithTextSizeAndWeight) {
  const pg::Font small(pg::Weight::Regular, 12), big(pg::Weight::Regular, 24), bold(pg::Weight::Bold, 24);
  const auto a = small.measure("Vakuumkammer"), b = big.measure("Vakuumkammer"), c = bold.measure("Vakuumkammer");
  EXPECT_GT(a.width, 40);
  EXPECT_NEAR(b.width, 2 * a.width, 0.12 * b.width);
  EXPECT_GT(c.width, b.width);
  EXPECT_NEAR(b.height(), 2 * a.height(), 3);
  EXPECT_GE(b.ascent + b.descent, 24);
  // Advance widths add up (up to kerning and rounding).
  const int ab = big.measure("EDX-Detektor").width;
  EXPECT_NEAR(ab, big.measure("EDX-").width + big.measure("Detektor").width, 3);
  EXPECT_EQ(big.measure("").width, 0);
}

TEST(Text, UmlautsAndMicroSignHaveGlyphs) {
  const pg::Font f(pg::Weight::Regular, 30);
  auto ink = [&](const std::string& s) {
    const pg::Field m = f.mask(s, 60, 50, 5, 38);
    double sum = 0, top = 50;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 60; ++x)
        if (m(x, y) > 0.3f) {
          sum += m(x, y);
          top = std::min(top, static_cast<double>(y));
        }
    return std::pair<double, double>(sum, top);
  };
  const auto a = ink("a"), ae = ink("\u00E4"), mu = ink("\u00B5"), u = ink("u");
  EXPECT_GT(ae.first, a.first);     // the dots add ink
  EXPECT_LT(ae.second, a.second);   // above the letter
  EXPECT_GT(mu.first, 0.5 * u.first);
  // The micro sign has a descender that "u" lacks.
  const pg::Field mm = f.mask("\u00B5", 60, 50, 5, 38), um = f.mask("u", 60, 50, 5, 38);
  double below_mu = 0, below_u = 0;
  for (int y = 40; y < 50; ++y)
    for (int x = 0; x < 60; ++x) {
      below_mu += mm(x, y);
      below_u += um(x, y);
    }
  EXPECT_GT(below_mu, 5.0);
  EXPECT_LT(below_u, 0.5);
}

TEST(Marks, ScaleBarIsDrawnWithItsExactLength) {
  const pg::Font f(pg::Weight::Bold, 17);
  pg::Image img(300, 120, pg::Rgb(0.5f, 0.5f, 0.5f));
  pg::draw_scale_bar(img, f, pg::BarStyle::LightMicroscope, 280, 100, 77, "0,2 mm");
  int black = 0;
  for (int x = 0; x < 300; ++x)
    if (img(x, 98).r < 0.01f) ++black;
  EXPECT_EQ(black, 77);
  EXPECT_LT(img(203, 98).r, 0.01f);
  EXPECT_GT(img(202, 98).r, 0.5f);  // the white panel next to the bar
  EXPECT_FLOAT_EQ(img(10, 10).r, 0.5f);  // nothing drawn far away
}

TEST(Marks, DataStripIsBlackWithWhiteBarOnTheRight) {
  const pg::Font f(pg::Weight::Regular, 17);
  pg::Image img(700, 440, pg::Rgb(0.5f, 0.5f, 0.5f));
  pg::draw_data_strip(img, f, 36, "Stahl S235", "", 140, "50 \u00B5m");
  EXPECT_FLOAT_EQ(img(350, 403).r, 0.5f);  // picture above the strip untouched
  EXPECT_LT(img(350, 430).r, 0.05f);
  int white = 0;
  const int y = 440 - 36 + (36 - 5) / 2 + 3;
  for (int x = 350; x < 700; ++x)
    if (img(x, y).r > 0.9f) ++white;
  EXPECT_GE(white, 140);  // bar plus a few pixels of its text
  EXPECT_LT(white, 200);
}

TEST(Marks, LabelsStayWhereTheyArePut) {
  const pg::Font f(pg::Weight::Bold, 20);
  pg::Image img(400, 300, pg::Rgb(0.3f, 0.3f, 0.3f));
  const int w = pg::draw_label(img, f, pg::LabelStyle::Panel, 20, 30, {"EDX-", "Detektor"}, {300, 250});
  EXPECT_NEAR(w, f.measure("Detektor").width + 12, 1);
  EXPECT_GT(img(22, 60).r, 0.8f);                          // light panel
  EXPECT_LT(std::abs(img(150, 150).r - 0.3f), 0.02f);      // far from label and leader
  EXPECT_LT(img(300, 250).r, 0.2f);                        // dot at the target
}

}  // namespace
