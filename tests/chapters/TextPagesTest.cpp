// The text pages and two-picture windows: where their panels, pictures and lines of text
// stand on the designed screens, what their menu items and pictures open and how, and
// what their close handlers put back.
#include <gtest/gtest.h>

#include <string>

#include "ChapterWorld.h"
#include "frame/Backdrop.h"
#include "frame/TextPage.h"
#include "frame/TwoPictureWindow.h"
#include "ui/text/TextEngine.h"

namespace chaptertest {
namespace {

using ui::headless::MenuResult;

const char* const kTextPages[] = {"TFormMakroEin", "TFormMakroAuf", "TFormLMEin",       "TFormLMEin2",
                                  "TFormREMEin",   "TFormREMEDXWDXEin", "TFormEDXAn", "TFormREMSEEin",
                                  "TFormREMBSEEin"};
const char* const kTwoPictureWindows[] = {"TFormMakroSt1", "TFormMakroCr1", "TFormLM45C1", "TFormLMCrNi1",
                                          "TFormREMCrNi1", "TFormLMEinrichtungen"};

frame::TextPage& textPage(World& w, const std::string& cls) { return dynamic_cast<frame::TextPage&>(w.form(cls)); }

bool dark(uint32_t p) { return (p & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && ((p >> 16) & 0xFF) < 0x60; }

// Every line of a painted panel: glyph pixels inside its text cell (from its row down
// by its font height, right of its x and inside the panel's frame), none between the
// lines, and the whole line inside the panel.
void checkLinesInTheirCells(World& world, frame::TextPage& page) {
    page.ShowModal();
    world.app.flush();
    const ui::Rect box = page.PaintBoxHaupt.clientRect();
    const frame::Scale s = page.scale();
    const bool designX = dynamic_cast<frame::TwoPictureWindow*>(&page) != nullptr;
    std::vector<int> owner(static_cast<size_t>(box.height()), -1);  // line whose cell covers a row
    for (size_t k = 0; k < page.lines().size(); ++k) {
        const frame::TextLine& l = page.lines()[k];
        const int y = l.pixelY ? frame::Round(l.y) : s.Y(l.y);
        for (int r = y; r < y + s.Y(l.height) && r < box.height(); ++r) {
            EXPECT_EQ(owner[static_cast<size_t>(r)], -1) << page.className() << ": cells of two lines overlap at row " << r;
            owner[static_cast<size_t>(r)] = static_cast<int>(k);
        }
    }
    // Glyph pixels of the panel left of the pictures (a two-picture window's pictures lie on it).
    const int right = designX ? s.X(400) : box.width() - 1;
    std::vector<bool> seen(page.lines().size(), false);
    for (int r = 1; r < box.height() - 1; ++r)
        for (int c = 1; c < right; ++c) {
            if (!dark(page.buffer().at(box.left + c, box.top + r))) continue;
            const int k = owner[static_cast<size_t>(r)];
            ASSERT_GE(k, 0) << page.className() << ": text pixel between the lines at (" << c << ", " << r << ")";
            const frame::TextLine& l = page.lines()[static_cast<size_t>(k)];
            EXPECT_GE(c, designX ? s.X(l.x) : frame::Round(l.x)) << page.className() << ": " << l.text;
            seen[static_cast<size_t>(k)] = true;
        }
    for (size_t k = 0; k < seen.size(); ++k) EXPECT_TRUE(seen[k]) << page.className() << ": " << page.lines()[k].text;
    // No line runs out of the panel (or under the pictures).
    for (const frame::TextLine& l : page.lines()) {
        ui::Font f = page.PaintBoxHaupt.font;
        f.height = s.Y(l.height);
        const int x = designX ? s.X(l.x) : frame::Round(l.x);
        EXPECT_LE(x + ui::text::textWidth(f, l.text), right) << page.className() << ": " << l.text;
    }
}

TEST(TextPages, EveryLineInItsCellOnBothDesignedScreens) {
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        for (const char* cls : kTextPages) {
            SCOPED_TRACE(std::string(cls) + " " + std::to_string(w));
            World world(w, h, {cls});
            checkLinesInTheirCells(world, textPage(world, cls));
        }
        for (const char* cls : kTwoPictureWindows) {
            SCOPED_TRACE(std::string(cls) + " " + std::to_string(w));
            World world(w, h, {cls});
            checkLinesInTheirCells(world, textPage(world, cls));
        }
    }
}

TEST(TextPages, PanelFramedOverTheStripes) {
    World world(1024, 768, {"TFormLMEin"});
    auto& page = world.get<chapters::TFormLMEin>();
    page.ShowModal();
    world.app.flush();
    // The paint box 998 x 640 at (10, 20), lines at Round(v x 1.28): 6, 51, 90, ...
    EXPECT_EQ(page.PaintBoxHaupt.clientRect(), (ui::Rect{10, 20, 1008, 660}));
    EXPECT_EQ(page.scale().Y(page.lines()[0].y), 6);
    EXPECT_EQ(page.scale().Y(page.lines()[1].y), 51);
    EXPECT_EQ(page.scale().Y(page.lines()[2].y), 90);
    const auto& b = page.buffer();
    EXPECT_EQ(b.at(10, 20), ui::toPixel(ui::clBlack));    // frame
    EXPECT_EQ(b.at(1007, 659), ui::toPixel(ui::clBlack));
    EXPECT_EQ(b.at(11, 21), ui::toPixel(frame::kPanelColour));  // panel
    EXPECT_EQ(b.at(1000, 400), ui::toPixel(frame::kPanelColour));
    // Round it the stripes: yellow at the top, blue further down.
    EXPECT_EQ(b.at(5, 3), ui::toPixel(frame::rampColour(1)));
    EXPECT_EQ(b.at(5, 600), ui::toPixel(frame::rampColour(200)));
}

TEST(TextPages, SecondLineOfTheCrNiSteelIndentedByItsLeadingBlanks) {
    World world(800, 600, {"TFormREMCrNi1"});
    auto& w = world.get<chapters::TFormREMCrNi1>();
    w.ShowModal();
    world.app.flush();
    ASSERT_EQ(std::string(w.lines()[1].text), "            X6 CrNiMoTi 17.12 ");
    auto firstInk = [&](int top, int bottom) {
        for (int c = 1; c < 400; ++c)
            for (int r = top; r < bottom; ++r)
                if (dark(w.buffer().at(c, r))) return c;
        return -1;
    };
    const int heading = firstInk(10, 38), second = firstInk(40, 68);
    ASSERT_GT(heading, 0);
    EXPECT_GT(second, heading + 40);  // twelve blanks of a 28-pixel font
}

TEST(TextPages, PanelPlacements) {
    struct Case {
        const char* cls;
        int w, h;
        ui::Rect box;
    };
    for (const Case& c : {Case{"TFormMakroEin", 1024, 768, {6, 26, 1011, 679}},
                          Case{"TFormMakroAuf", 1024, 768, {10, 20, 996, 660}},
                          Case{"TFormEDXAn", 1024, 768, {20, 10, 980, 650}},
                          Case{"TFormREMSEEin", 1280, 1024, {10, 20, 1008, 660}},
                          Case{"TFormMakroEin", 800, 600, {5, 20, 790, 530}}}) {
        SCOPED_TRACE(std::string(c.cls) + " " + std::to_string(c.w));
        World world(c.w, c.h, {c.cls});
        EXPECT_EQ(textPage(world, c.cls).PaintBoxHaupt.clientRect(), c.box);
    }
}

TEST(TextPages, ResizingTheApplicationsPageKeepsItsLayout) {
    World world(1024, 768, {"TFormEDXAn"});
    auto& an = world.get<chapters::TFormEDXAn>();
    an.ShowModal();
    const ui::Rect box = an.PaintBoxHaupt.clientRect();
    an.setBounds(0, 0, 700, 500);
    world.app.flush();
    EXPECT_EQ(an.PaintBoxHaupt.clientRect(), box);
    EXPECT_EQ(an.buffer().at(20, 10), ui::toPixel(ui::clBlack));
}

TEST(TextPages, MenuItemsOpenTheirWindowsModallyOnTop) {
    struct Case {
        const char* page;
        const char* item;
        const char* target;
    };
    for (const Case& c : {Case{"TFormLMEin", "LichtmikroskopmitProbe1", "TFormPPSchritte"},
                          Case{"TFormLMEin", "MikroskopeinrichtungmitBilderfassung1", "TFormGPG"},
                          Case{"TFormLMEin", "StrahlenganganeinerpoliertenundgetztenProbe1", "TFormSLicht"},
                          Case{"TFormLMEin2", "NuztzbareWellenlngenbereicheinderMikroskopieundAnalytik1", "TFormEWELLENL"},
                          Case{"TFormLMEin2", "SchematischeDarstellungeinesLichtmikroskopes1", "TFormLMSchema"},
                          Case{"TFormREMEDXWDXEin", "Ionisation1", "TFormREMCHA"},
                          Case{"TFormREMEDXWDXEin", "KLMLinienspektrum1", "TFormREMCHA2"},
                          Case{"TFormREMSEEin", "SchemaeinesSEDetektor1", "TFormREMSE"},
                          Case{"TFormREMBSEEin", "SchemaeinesBSEDetektor1", "TFormREMBSE"}}) {
        SCOPED_TRACE(c.item);
        World world(800, 600, {c.page, c.target});
        ui::Form& page = world.form(c.page);
        ui::Form& target = world.form(c.target);
        page.ShowModal();
        ASSERT_EQ(world.backend.clickMenu(page, c.item), MenuResult::Done);
        EXPECT_TRUE(target.visible());
        EXPECT_TRUE(target.modal());
        EXPECT_FALSE(page.enabled());
        EXPECT_EQ(world.app.activeForm(), &target);
        // Esc there closes only that window.
        EXPECT_TRUE(world.backend.pressEscape(target));
        EXPECT_FALSE(target.visible());
        EXPECT_TRUE(page.visible());
        EXPECT_TRUE(page.enabled());
        EXPECT_EQ(world.app.activeForm(), &page);
    }
}

TEST(TwoPictureWindows, SmallPicturesOnTheDesignedScreens) {
    for (const char* cls : kTwoPictureWindows) {
        SCOPED_TRACE(cls);
        World world(1024, 768, {cls});
        auto& w = dynamic_cast<frame::TwoPictureWindow&>(world.form(cls));
        const bool equipment = std::string(cls) == "TFormLMEinrichtungen";
        const ui::Rect small1{512, 64, 922, 320}, small2{512, 358, 922, 614};  // 410 x 256
        const ui::Rect photo1{512, 38, 922, 320}, photo2{512, 358, 922, 640};  // 410 x 282
        EXPECT_EQ(w.Image1.clientRect(), equipment ? photo1 : small1);
        EXPECT_EQ(w.Image2.clientRect(), equipment ? photo2 : small2);
        EXPECT_TRUE(w.Image1.stretch);
        EXPECT_EQ(w.cursorAt(700, 100), ui::Cursor::HandPoint);
        EXPECT_EQ(w.cursorAt(700, 400), ui::Cursor::HandPoint);
        EXPECT_EQ(w.cursorAt(100, 100), ui::Cursor::Default);
        EXPECT_EQ(w.PaintBoxHaupt.clientRect(), w.alignRect());
    }
}

TEST(TwoPictureWindows, ClickingASmallPictureShowsItsPageBeside) {
    struct Case {
        int w, h;
        int left, top;  // of the page
        int centred;    // left of the two-picture window
    };
    const std::pair<const char*, const char*> pairs[] = {
        {"TFormMakroSt1", "TFormMakroSt"}, {"TFormMakroCr1", "TFormMakroCr"}, {"TFormLM45C1", "TFormLM45C"},
        {"TFormLMCrNi1", "TFormLMCrNi"},   {"TFormREMCrNi1", "TFormREMCrNi"}};
    for (const Case& c : {Case{800, 600, 12, 15, 0}, Case{1024, 768, 124, 99, 0}, Case{1280, 1024, 490, 227, 128}}) {
        for (const auto& [cls, stem] : pairs) {
            SCOPED_TRACE(std::string(cls) + " " + std::to_string(c.w));
            const std::string p2 = std::string(stem) + "2", p3 = std::string(stem) + "3";
            World world(c.w, c.h, {cls, p2, p3});
            auto& w = dynamic_cast<frame::TwoPictureWindow&>(world.form(cls));
            ui::Form& page2 = world.form(p2);
            ui::Form& page3 = world.form(p3);
            w.Show();
            EXPECT_EQ(w.left(), c.centred);
            // Both pages open at once, not modal; the window waits at the left edge.
            ASSERT_TRUE(world.backend.click(w, w.X(600), w.Y(150)));
            ASSERT_TRUE(world.backend.click(w, w.X(600), w.Y(380)));
            EXPECT_TRUE(page2.visible());
            EXPECT_TRUE(page3.visible());
            EXPECT_FALSE(page2.modal());
            EXPECT_TRUE(w.enabled());
            EXPECT_EQ(w.left(), 0);
            EXPECT_EQ(page2.left(), c.left);
            EXPECT_EQ(page2.top(), c.top);
            EXPECT_EQ(page2.width(), 775);
            EXPECT_EQ(page2.height(), 540);
            EXPECT_EQ(world.app.activeForm(), &page3);
            // Closing either page puts the window back in the middle.
            EXPECT_TRUE(world.backend.pressEscape(page2));
            EXPECT_EQ(w.left(), c.centred);
            EXPECT_TRUE(page3.visible());
            // A click on the text opens nothing.
            ASSERT_TRUE(world.backend.click(w, w.X(100), w.Y(100)));
            EXPECT_FALSE(page2.visible());
            // Closing the window re-centres it and leaves its open page open.
            ASSERT_TRUE(world.backend.click(w, w.X(600), w.Y(150)));
            EXPECT_EQ(w.left(), 0);
            EXPECT_TRUE(world.backend.pressEscape(w));
            EXPECT_EQ(w.left(), c.centred);
            EXPECT_TRUE(page2.visible());
            EXPECT_TRUE(page3.visible());
        }
    }
}

TEST(PhotoPagesFromTheirOpeners, NarrowScreensKeepTheFullHeightPage) {
    for (const auto& [sw, sh, left, top, width, height] :
         {std::tuple{800, 600, 54, 40, 692, 520}, std::tuple{1024, 768, 54, 40, 915, 688}}) {
        SCOPED_TRACE(sw);
        World world(sw, sh, {"TFormREMEin", "TFormREMBVAk"});
        auto& ein = world.get<chapters::TFormREMEin>();
        auto& vak = world.get<chapters::TFormREMBVAk>();
        ein.ShowModal();
        ASSERT_EQ(world.backend.clickMenu(ein, "REMBildVakuumkammer1"), MenuResult::Done);
        EXPECT_TRUE(vak.modal());
        EXPECT_EQ(ein.left(), 0);  // full screen anyway
        EXPECT_EQ(vak.left(), left);
        EXPECT_EQ(vak.top(), top);
        EXPECT_EQ(vak.width(), width);
        EXPECT_EQ(vak.height(), height);
    }
}

TEST(PhotoPagesFromTheirOpeners, InstrumentPagesBesideTheIntroductionUntilItCloses) {
    World world(1280, 1024, {"TFormREMEin", "TFormREMBGes", "TFormREMBVAk", "TFormREMBProbe", "TFormREMBDet"});
    auto& ein = world.get<chapters::TFormREMEin>();
    auto& vak = world.get<chapters::TFormREMBVAk>();
    ein.ShowModal();
    EXPECT_EQ(ein.left(), 128);
    ASSERT_EQ(world.backend.clickMenu(ein, "REMBildVakuumkammer1"), MenuResult::Done);
    EXPECT_EQ(ein.left(), 0);
    EXPECT_EQ(vak.left(), 470);
    EXPECT_EQ(vak.top(), 212);
    EXPECT_EQ(vak.width(), 800);
    EXPECT_EQ(vak.height(), 600);
    EXPECT_TRUE(world.backend.pressEscape(vak));
    EXPECT_EQ(ein.left(), 128);
    // Every item of the page does the same with its page.
    for (const char* item : {"REMBildGesamtdarstellung1", "REMBildProbeinderVakuumkammer1", "Detektoren1"}) {
        ASSERT_EQ(world.backend.clickMenu(ein, item), MenuResult::Done);
        ui::Form* page = world.app.activeForm();
        ASSERT_NE(page, &ein);
        EXPECT_EQ(page->width(), 800);
        EXPECT_EQ(page->left(), 470);
        EXPECT_TRUE(world.backend.click(*page, 100, 100));
    }
    // The overview shows the page at 800 x 600 until the introduction has been closed.
    vak.ShowModal();
    EXPECT_EQ(vak.width(), 800);
    EXPECT_EQ(vak.left(), 470);
    EXPECT_TRUE(world.backend.pressEscape(vak));
    ein.setLeft(0);
    EXPECT_TRUE(world.backend.pressEscape(ein));
    EXPECT_EQ(ein.left(), 128);
    for (const char* cls : {"TFormREMBGes", "TFormREMBVAk", "TFormREMBProbe", "TFormREMBDet"}) {
        ui::Form& p = world.form(cls);
        EXPECT_EQ(p.left(), 12) << cls;
        EXPECT_EQ(p.top(), 40) << cls;
        EXPECT_EQ(p.width(), 1256) << cls;
        EXPECT_EQ(p.height(), 944) << cls;
    }
}

TEST(PhotoPagesFromTheirOpeners, DetectorsOnTheLargestScreen) {
    World world(1600, 1200, {"TFormREMEin", "TFormREMBDet"});
    auto& ein = world.get<chapters::TFormREMEin>();
    auto& det = world.get<chapters::TFormREMBDet>();
    ein.ShowModal();
    ASSERT_EQ(world.backend.clickMenu(ein, "Detektoren1"), MenuResult::Done);
    EXPECT_EQ(ein.left(), 0);
    EXPECT_EQ(ein.width(), 1024);
    EXPECT_EQ(det.left(), 790);
    EXPECT_EQ(det.top(), 300);
    EXPECT_EQ(det.width(), 800);
    EXPECT_EQ(det.height(), 600);
}

TEST(PhotoPagesFromTheirOpeners, EquipmentPhotographsBesideTheirWindow) {
    World world(1280, 1024, {"TFormLMEinrichtungen", "TFormLMMikro", "TFormLMLichtmikro"});
    auto& einr = world.get<chapters::TFormLMEinrichtungen>();
    auto& mikro = world.get<chapters::TFormLMMikro>();
    auto& licht = world.get<chapters::TFormLMLichtmikro>();
    einr.ShowModal();
    ASSERT_TRUE(world.backend.click(einr, einr.X(600), einr.Y(150)));
    EXPECT_TRUE(mikro.modal());
    EXPECT_FALSE(einr.enabled());
    EXPECT_EQ(einr.left(), 0);
    EXPECT_EQ(mikro.left(), 470);
    EXPECT_EQ(mikro.width(), 800);
    EXPECT_TRUE(world.backend.pressEscape(mikro));
    EXPECT_EQ(einr.left(), 128);  // the page re-centres it
    ASSERT_TRUE(world.backend.click(einr, einr.X(600), einr.Y(400)));
    EXPECT_EQ(world.app.activeForm(), &licht);
    EXPECT_EQ(licht.top(), 212);
    EXPECT_TRUE(world.backend.pressEscape(licht));
    // From the overview still beside, until the equipment window closes; its close
    // handler does not move it.
    mikro.ShowModal();
    EXPECT_EQ(mikro.width(), 800);
    EXPECT_TRUE(world.backend.pressEscape(mikro));
    einr.setLeft(0);
    EXPECT_TRUE(world.backend.pressEscape(einr));
    EXPECT_EQ(einr.left(), 0);
    for (ui::Form* p : {static_cast<ui::Form*>(&mikro), static_cast<ui::Form*>(&licht)}) {
        EXPECT_EQ(p->height(), 944);
        EXPECT_EQ(p->left(), 12);
    }
}

TEST(PhotoPagesFromTheirOpeners, StereoMicroscopeBackToFullHeightAndThePageCentred) {
    World world(1280, 1024, {"TFormMakroAuf", "TFormLMStereomikro"});
    auto& auf = world.get<chapters::TFormMakroAuf>();
    auto& stereo = world.get<chapters::TFormLMStereomikro>();
    auf.ShowModal();
    ASSERT_EQ(world.backend.clickMenu(auf, "Stereomokroskop1"), MenuResult::Done);
    EXPECT_EQ(auf.left(), 0);
    EXPECT_EQ(stereo.left(), 470);
    EXPECT_EQ(stereo.height(), 600);
    EXPECT_TRUE(world.backend.click(stereo, 50, 50));
    EXPECT_EQ(auf.left(), 128);
    auf.setBounds(0, 0, auf.width(), auf.height());
    EXPECT_TRUE(world.backend.pressEscape(auf));
    EXPECT_EQ(auf.left(), 128);  // both directions
    EXPECT_EQ(auf.top(), 128);
    EXPECT_EQ(stereo.height(), 944);
    EXPECT_EQ(stereo.width(), 1256);
    EXPECT_EQ(stereo.left(), 12);
    EXPECT_EQ(stereo.top(), 40);
}

}  // namespace
}  // namespace chaptertest
