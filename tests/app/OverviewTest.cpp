// The chapter overview: disc, background items, every chapter item.
#include <gtest/gtest.h>

#include "ProgramFixture.h"
#include "app/FormMetallo.h"

namespace {

using app::TFormMetallo;

TEST(Overview, DiscCentreAndScaleAt1024) {
    Started s;
    auto& o = s.get<TFormMetallo>();
    EXPECT_EQ(o.BackdropCenterX, 486);
    EXPECT_EQ(o.BackdropCenterY, 333);
    EXPECT_EQ(o.ScaleX, 1.28);
    EXPECT_EQ(o.ScaleY, 1.28);
    EXPECT_EQ(o.PaintBoxHaupt.width(), 800);
    EXPECT_EQ(o.PaintBoxHaupt.left(), (o.clientWidth() - 800) / 2);
    s.menu("TFormHaupt", "Programmstarten1");
    const auto shot = s.backend.captureForm(o);
    // Outside the paint box the disc shows: yellow near the centre, bluer far out.
    const uint32_t near = shot.at(486, 20), far = shot.at(3, 3);
    EXPECT_GT((near >> 16) & 0xFF, (far >> 16) & 0xFF);  // more red near the centre
    EXPECT_LT(near & 0xFF, far & 0xFF);                  // more blue far out
}

TEST(Overview, EveryTextStaysInsideItsBox) {
    // Right of each of the three boxes' right border lies the paint box's own yellow:
    // a text running over its box would put black pixels there.
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        Started s(w, h);
        auto& o = s.get<TFormMetallo>();
        s.menu("TFormHaupt", "Programmstarten1");
        const auto shot = s.backend.captureForm(o);
        const int left = o.PaintBoxHaupt.left(), top = o.PaintBoxHaupt.top();
        for (const int border : {249, 509, 784}) {
            int black = 0;
            for (int y = 121; y < 499; ++y)
                for (int x = border + 1; x < border + 12; ++x) black += shot.at(left + x, top + y) == ui::toPixel(ui::clBlack);
            EXPECT_EQ(black, 0) << w << "x" << h << ", box ending at " << border;
        }
    }
}

TEST(Overview, PaintBoxIsCutOnAn800Screen) {
    Started s(800, 600);
    auto& o = s.get<TFormMetallo>();
    EXPECT_EQ(o.ScaleX, 1.0);
    EXPECT_LT(o.PaintBoxHaupt.left(), 0);
    EXPECT_LT(o.PaintBoxHaupt.top(), 0);
}

TEST(Overview, BackgroundItemsSwapAndTheChoiceSurvivesReopening) {
    Started s;
    auto& o = s.get<TFormMetallo>();
    EXPECT_FALSE(o.Schwarz.enabled());
    EXPECT_TRUE(o.Blau.enabled());
    EXPECT_EQ(o.Schwarz.caption(), "Hintergrund blau");
    s.menu("TFormHaupt", "Programmstarten1");
    s.menu("TFormMetallo", "Blau");  // "Hintergrund schwarz"
    EXPECT_FALSE(o.BlueBackground);
    EXPECT_EQ(o.color(), ui::clBlack);
    EXPECT_EQ(s.backend.captureForm(o).at(3, 3), 0xFF000000u);
    EXPECT_TRUE(o.Schwarz.enabled());
    EXPECT_FALSE(o.Blau.enabled());
    s.menu("TFormMetallo", "Ende1");
    s.menu("TFormHaupt", "Programmstarten1");
    EXPECT_FALSE(o.BlueBackground);
    EXPECT_TRUE(o.Schwarz.enabled());
    EXPECT_EQ(s.backend.captureForm(o).at(3, 3), 0xFF000000u);
    s.menu("TFormMetallo", "Schwarz");
    EXPECT_TRUE(o.BlueBackground);
    EXPECT_EQ(o.color(), ui::clBlue);
}

TEST(Overview, EscClosesTheOverviewButNotTheProgram) {
    Started s;
    s.menu("TFormHaupt", "Programmstarten1");
    EXPECT_TRUE(s.backend.pressEscape(s.form("TFormMetallo")));
    EXPECT_FALSE(s.app.terminated());
    EXPECT_TRUE(s.form("TFormHaupt").visible());
}

TEST(Overview, EveryChapterItemOpensItsWindowModallyOrBeside) {
    for (auto [w, h] : {std::pair{800, 600}, {1280, 1024}}) {
        Started s(w, h);
        auto& o = s.get<TFormMetallo>();
        s.menu("TFormHaupt", "Programmstarten1");
        int opened = 0;
        for (ui::MenuItem* chapter : {&o.Makroskopie1, &o.Lichtmikroskopie1, &o.Rasterelektronenmikroskop1,
                                      &o.Mikrobereichsanalysen1})
            for (ui::MenuItem* item : chapter->items()) {
                const size_t before = s.app.zOrder().size();
                s.menu("TFormMetallo", item->name().c_str());
                ASSERT_EQ(s.app.zOrder().size(), before + 1) << item->name();
                ui::Form* f = s.app.zOrder().back();
                const bool beside = item->name() == "KorrosionimunlegiertenStahl1" ||
                                    item->name() == "UntersuchungenaneinemferritischenChromstahl1";
                EXPECT_EQ(f->modal(), !beside) << item->name();
                EXPECT_EQ(o.enabled(), beside) << item->name();
                EXPECT_TRUE(s.backend.pressEscape(*f)) << f->className();
                EXPECT_FALSE(f->visible());
                EXPECT_TRUE(o.enabled());
                ++opened;
            }
        EXPECT_EQ(opened, 40);
    }
}

}  // namespace
