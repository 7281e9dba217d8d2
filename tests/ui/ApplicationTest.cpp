// Modality, activation, uncover repaint, input to disabled forms, the end of the program.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestForms.h"

using testforms::Recorder;

namespace {

struct World {
    ui::Application app{1024, 768};
    ui::headless::HeadlessBackend backend{app};
    std::vector<std::string> log;
    Recorder main{app, "Main", &log};
    Recorder a{app, "A", &log};
    Recorder b{app, "B", &log};
    Recorder c{app, "C", &log};
    World() {
        for (Recorder* f : {&main, &a, &b, &c}) {
            app.create(*f);
            f->setBounds(100, 100, 400, 300);
        }
        main.setBounds(0, 0, 1024, 768);
        main.Show();
        log.clear();
    }
    bool logged(const std::string& s) const { return std::find(log.begin(), log.end(), s) != log.end(); }
};

TEST(Modality, ModalFormDisablesTheOthersAndClosingRestoresExactlyThem) {
    World w;
    w.c.Show();  // visible, enabled, shown beside the main form
    w.b.Show();
    w.b.Close();  // hidden forms are not touched by a modal form
    w.a.ShowModal();
    EXPECT_FALSE(w.main.enabled());
    EXPECT_FALSE(w.c.enabled());
    EXPECT_TRUE(w.a.enabled());
    EXPECT_TRUE(w.a.active());
    // A form shown not modal from the modal one is usable beside it.
    w.b.Show();
    EXPECT_TRUE(w.b.enabled());
    EXPECT_EQ(w.backend.clickMenu(w.b, "Ende1"), ui::headless::MenuResult::Done);
    EXPECT_FALSE(w.b.visible());
    w.b.Show();
    w.a.Close();
    EXPECT_TRUE(w.main.enabled());
    EXPECT_TRUE(w.c.enabled());
    EXPECT_TRUE(w.b.enabled());
    EXPECT_TRUE(w.app.modalStack().empty());
}

TEST(Modality, AFormShownFromAModalOneStaysUsableWhenThatOneIsShownModallyAgain) {
    // B, shown beside modal A, belongs to A: it stays open when A closes, stays usable when
    // A is shown modally again, and only a modal form on top of them disables it.
    World w;
    w.a.ShowModal();
    w.b.Show();
    w.a.Close();
    ASSERT_TRUE(w.b.visible());
    EXPECT_TRUE(w.b.enabled());
    w.a.ShowModal();
    EXPECT_TRUE(w.b.enabled());
    EXPECT_FALSE(w.main.enabled());
    w.c.ShowModal();  // from A
    EXPECT_FALSE(w.b.enabled());
    EXPECT_FALSE(w.a.enabled());
    w.c.Close();
    EXPECT_TRUE(w.b.enabled());
    EXPECT_TRUE(w.a.enabled());
    w.log.clear();
    w.b.Show();
    EXPECT_TRUE(w.b.active());
    EXPECT_TRUE(w.logged("B:activate"));
    EXPECT_EQ(w.app.zOrder().back(), &w.b);
    w.a.Close();
    EXPECT_TRUE(w.main.enabled());
    EXPECT_TRUE(w.b.enabled());
    EXPECT_TRUE(w.app.modalStack().empty());
    EXPECT_EQ(w.backend.clickMenu(w.b, "Ende1"), ui::headless::MenuResult::Done);
    EXPECT_FALSE(w.b.visible());
}

TEST(Modality, NestedModalFormsUnwindInOrder) {
    World w;
    w.a.ShowModal();
    w.b.ShowModal();
    EXPECT_FALSE(w.a.enabled());
    EXPECT_FALSE(w.main.enabled());
    ASSERT_EQ(w.app.modalStack().size(), 2u);
    w.log.clear();
    w.b.Close();
    EXPECT_TRUE(w.a.enabled());
    EXPECT_FALSE(w.main.enabled());
    EXPECT_TRUE(w.a.active());
    EXPECT_TRUE(w.logged("A:activate"));  // the window below becomes active again
    w.a.Close();
    EXPECT_TRUE(w.main.enabled());
    EXPECT_TRUE(w.main.active());
}

TEST(Modality, DisabledFormTakesNoMenuKeyOrClickAndHandsActivationBack) {
    World w;
    w.a.ShowModal();
    EXPECT_EQ(w.backend.clickMenu(w.main, "Ende1"), ui::headless::MenuResult::FormDisabled);
    EXPECT_FALSE(w.backend.pressEscape(w.main));
    EXPECT_FALSE(w.backend.click(w.main, 5, 5));
    EXPECT_TRUE(w.main.visible());
    w.backend.activate(w.main);
    EXPECT_TRUE(w.a.active());
    EXPECT_EQ(w.app.zOrder().back(), &w.a);
}

TEST(Modality, AFormThatDisablesItselfTakesNoInputUntilItEnablesItself) {
    World w;
    w.a.ShowModal();
    w.a.setEnabled(false);
    EXPECT_FALSE(w.a.enabled());
    EXPECT_EQ(w.backend.clickMenu(w.a, "Ende1"), ui::headless::MenuResult::FormDisabled);
    EXPECT_FALSE(w.backend.pressEscape(w.a));
    EXPECT_FALSE(w.backend.click(w.a, 5, 5));
    w.app.userClose(w.a);  // the close box does nothing either
    EXPECT_TRUE(w.a.visible());
    w.backend.activate(w.main);
    EXPECT_TRUE(w.a.active());
    w.a.setEnabled(true);
    EXPECT_TRUE(w.backend.pressEscape(w.a));
    EXPECT_FALSE(w.a.visible());
    EXPECT_TRUE(w.main.enabled());
    // A modal form over a self-disabled one does not enable it when it closes.
    w.main.setEnabled(false);
    w.b.ShowModal();
    w.b.Close();
    EXPECT_FALSE(w.main.enabled());
    w.main.setEnabled(true);
    EXPECT_TRUE(w.main.enabled());
}

TEST(Activation, MenuClickOnInactiveFormActivatesItFirst) {
    World w;
    w.a.Show();
    w.b.Show();
    ASSERT_TRUE(w.b.active());
    bool activeDuringClick = false;
    w.a.menu1.find("Ende1")->OnClick = [&] { activeDuringClick = w.a.active(); };
    w.log.clear();
    EXPECT_EQ(w.backend.clickMenu(w.a, "Ende1"), ui::headless::MenuResult::Done);
    EXPECT_TRUE(activeDuringClick);
    EXPECT_TRUE(w.logged("A:activate"));
}

TEST(Activation, InvisibleOrDisabledItemsDoNothing) {
    World w;
    int clicks = 0;
    w.main.Ende1.OnClick = [&] { ++clicks; };
    w.main.Ende1.setEnabled(false);
    EXPECT_EQ(w.backend.clickMenu(w.main, "Ende1"), ui::headless::MenuResult::Disabled);
    EXPECT_EQ(w.backend.clickMenu(w.main, "ESC1"), ui::headless::MenuResult::Invisible);
    EXPECT_EQ(w.backend.clickMenu(w.main, "Nothing"), ui::headless::MenuResult::NoSuchItem);
    EXPECT_EQ(clicks, 0);
    // The invisible Esc item still answers its shortcut; a disabled one does not.
    w.a.Show();
    EXPECT_TRUE(w.backend.pressEscape(w.a));
    EXPECT_FALSE(w.a.visible());
    w.a.Show();
    w.a.ESC1.setEnabled(false);
    EXPECT_FALSE(w.backend.pressEscape(w.a));
    EXPECT_TRUE(w.a.visible());
}

TEST(Uncover, HidingAFormRepaintsOnlyTheFormsItOverlapped) {
    World w;
    w.c.setBounds(700, 500, 100, 100);
    w.c.Show();
    w.a.setBounds(100, 100, 200, 200);
    w.a.Show();
    w.app.flush();
    const int mainBefore = w.main.paints, cBefore = w.c.paints;
    w.a.Close();
    w.app.flush();
    EXPECT_EQ(w.main.paints, mainBefore + 1);
    EXPECT_EQ(w.c.paints, cBefore);  // c was not under a
}

TEST(Lifetime, ClosingTheMainFormEndsTheProgram) {
    World w;
    w.a.ShowModal();
    w.a.Close();
    w.main.Close();
    EXPECT_TRUE(w.app.terminated());
    EXPECT_TRUE(w.backend.quitRequested());
    EXPECT_EQ(w.backend.quitStatus(), 0);
    EXPECT_TRUE(w.app.zOrder().empty());
    // Nothing runs any more.
    w.a.Show();
    EXPECT_FALSE(w.a.visible());
}

TEST(Paint, RepaintFillsWithTheFormColourThenRunsThePaintHandler) {
    World w;
    w.a.setColor(ui::clRed);
    w.a.Show();
    w.app.flush();
    EXPECT_EQ(w.a.buffer().at(5, 5), ui::toPixel(ui::clRed));
    // Invalidate defers the paint to the end of the event; Repaint paints at once.
    const int before = w.a.paints;
    w.a.Invalidate();
    EXPECT_EQ(w.a.paints, before);
    w.app.flush();
    EXPECT_EQ(w.a.paints, before + 1);
    w.a.Repaint();
    EXPECT_EQ(w.a.paints, before + 2);
}

TEST(Paint, ClientAreaExcludesFixedFrameMetrics) {
    World w;
    w.a.setBounds(0, 0, 400, 300);
    EXPECT_EQ(w.a.clientWidth(), 400 - 2 * ui::kBorderWidth);
    EXPECT_EQ(w.a.clientHeight(), 300 - 2 * ui::kBorderWidth - ui::kCaptionHeight - ui::kMenuBarHeight);
    w.a.Show();
    EXPECT_EQ(w.a.buffer().width, w.a.clientWidth());
    EXPECT_EQ(w.a.buffer().height, w.a.clientHeight());
    w.a.setClientSize(200, 100);
    EXPECT_EQ(w.a.clientWidth(), 200);
    EXPECT_EQ(w.a.clientHeight(), 100);
    EXPECT_EQ(w.a.buffer().width, 200);
    EXPECT_EQ(w.a.buffer().height, 100);
}

// A hidden window holds no pixels: it gets them when shown, painted whole, and gives
// them back when hidden; drawing meanwhile goes nowhere, and the pen still moves.
TEST(Paint, PixelsOnlyWhileShown) {
    World w;
    const int before = ui::Form::livePixelBuffers();
    w.a.setBounds(0, 0, 400, 300);
    EXPECT_FALSE(w.a.hasPixels());
    EXPECT_EQ(w.a.buffer().pixels.size(), 0u);
    w.a.canvas.brush.setColor(ui::clRed);
    w.a.canvas.Rectangle(0, 0, 50, 50);
    w.a.canvas.TextOut(10, 20, "Probe");
    EXPECT_EQ(w.a.canvas.PenPos().x, 10 + w.a.canvas.TextWidth("Probe"));
    w.a.Show();
    w.app.flush();
    EXPECT_EQ(ui::Form::livePixelBuffers(), before + 1);
    EXPECT_EQ(w.a.buffer().at(5, 5), ui::toPixel(w.a.color()));  // what was drawn hidden is not there
    w.a.canvas.Rectangle(0, 0, 50, 50);
    EXPECT_EQ(w.a.buffer().at(5, 5), ui::toPixel(ui::clRed));
    w.a.Close();
    EXPECT_FALSE(w.a.hasPixels());
    EXPECT_EQ(w.a.buffer().pixels.capacity(), 0u);
    EXPECT_EQ(ui::Form::livePixelBuffers(), before);
}

}  // namespace

namespace {

TEST(Menu, ItemsStandInTheOrderTheyAreMadeAndAmpersandsAreShownAsAccelerators) {
    ui::Application app(800, 600);
    testforms::Recorder f(app, "F", nullptr);
    ui::MenuItem extra(f.menu1, "Extra1", "E&xtra");
    auto names = [&] {
        std::string s;
        for (ui::MenuItem* i : f.menu1.items()) s += i->name() + " ";
        return s;
    };
    EXPECT_EQ(names(), "Ende1 ESC1 Extra1 ");
    EXPECT_EQ(ui::menuText("Sto&pp"), "Stopp");
    EXPECT_EQ(ui::menuText("A && B"), "A & B");
    EXPECT_EQ(f.menu1.findShortCut(ui::ShortCut::Escape), &f.ESC1);
}

}  // namespace
