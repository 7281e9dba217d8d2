// The picture pages reached the ways a user reaches them in the whole program: from the
// overview, from a text page's menu on a wide screen, and from the small pictures of a
// case study that stays open beside the overview.
#include <gtest/gtest.h>

#include "ProgramFixture.h"

namespace {

TEST(PhotoPagePaths, InstrumentPageBesideTheIntroductionThenFullHeightFromTheOverview) {
    Started p(1280, 1024);
    p.menu("TFormHaupt", "Programmstarten1");
    p.menu("TFormMetallo", "Grundlagen3");
    ui::Form& ein = p.form("TFormREMEin");
    ui::Form& vak = p.form("TFormREMBVAk");
    ASSERT_TRUE(ein.modal());
    p.menu("TFormREMEin", "REMBildVakuumkammer1");
    EXPECT_TRUE(vak.modal());
    EXPECT_EQ(ein.left(), 0);
    EXPECT_EQ(vak.left(), 470);
    EXPECT_EQ(vak.top(), 212);
    EXPECT_EQ(vak.width(), 800);
    EXPECT_EQ(vak.height(), 600);
    EXPECT_TRUE(p.backend.pressEscape(vak));
    EXPECT_EQ(ein.left(), 128);
    EXPECT_EQ(p.app.activeForm(), &ein);
    EXPECT_TRUE(p.backend.pressEscape(ein));
    // Back in the overview: the page at full height, centred.
    p.menu("TFormMetallo", "Vakuumkammer1");
    EXPECT_TRUE(vak.modal());
    EXPECT_EQ(vak.left(), 12);
    EXPECT_EQ(vak.top(), 40);
    EXPECT_EQ(vak.width(), 1256);
    EXPECT_EQ(vak.height(), 944);
}

TEST(PhotoPagePaths, CaseStudyBesideTheOverviewWithBothPages) {
    Started p(1280, 1024);
    p.menu("TFormHaupt", "Programmstarten1");
    p.menu("TFormMetallo", "KorrosionimunlegiertenStahl1");
    ui::Form& overview = p.form("TFormMetallo");
    ui::Form& st1 = p.form("TFormMakroSt1");
    ui::Form& st2 = p.form("TFormMakroSt2");
    ui::Form& st3 = p.form("TFormMakroSt3");
    ASSERT_TRUE(st1.visible());
    EXPECT_FALSE(st1.modal());
    EXPECT_TRUE(overview.enabled());
    EXPECT_EQ(st1.left(), 128);
    // Small pictures at (512, 64) and (512, 358) of the 1024 x 768 window.
    ASSERT_TRUE(p.backend.click(st1, 600, 100));
    ASSERT_TRUE(p.backend.click(st1, 600, 400));
    EXPECT_TRUE(st2.visible());
    EXPECT_TRUE(st3.visible());
    EXPECT_EQ(st1.left(), 0);
    EXPECT_EQ(st3.left(), 490);
    EXPECT_EQ(st3.top(), 227);
    EXPECT_TRUE(overview.enabled());
    EXPECT_TRUE(st1.enabled());
    ASSERT_TRUE(p.backend.click(st3, 300, 200));  // a click on the picture closes it
    EXPECT_FALSE(st3.visible());
    EXPECT_EQ(st1.left(), 128);
    // The overview's item brings the open case study to the front.
    p.menu("TFormMetallo", "KorrosionimunlegiertenStahl1");
    EXPECT_EQ(p.app.activeForm(), &st1);
}

}  // namespace
