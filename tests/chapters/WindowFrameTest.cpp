// Every chapter window's frame: caption, border, colour, status bar, the Esc and Ende
// items, and its size, place and layout scale on the screens the program is used on.
#include <gtest/gtest.h>

#include <set>

#include "ChapterWorld.h"
#include "ui/Menu.h"

namespace chaptertest {
namespace {

struct Screen {
    int w, h;
};
const Screen kScreens[] = {{800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}, {1024, 600}, {1100, 800}};

struct Expected {
    int left, top, width, height;
    double scaleX, scaleY;
};

// Worked out by hand from the placement rules, per pattern and screen (same order as
// kScreens): 1024 x 600 tells the inclusive and exclusive 1024 thresholds apart, and
// 1100 x 800 lies between the 1024 and 1200 thresholds.
Expected expected(int pattern, int screenIndex) {
    static const Expected p2[] = {{0, 0, 800, 600, 1.0, 1.0},         {0, 0, 1024, 768, 1.28, 1.28},
                                  {128, 128, 1024, 768, 1.28, 1.28},  {288, 216, 1024, 768, 1.28, 1.28},
                                  {0, 0, 1024, 600, 1.28, 1.0},       {38, 16, 1024, 768, 1.28, 1.28}};
    static const Expected p3[] = {{0, 0, 800, 600, 1.0, 1.0},         {0, 0, 1024, 768, 1.28, 1.28},
                                  {128, 128, 1024, 768, 1.28, 1.28},  {288, 216, 1024, 768, 1.28, 1.28},
                                  {0, -84, 1024, 768, 1.28, 1.28},    {38, 16, 1024, 768, 1.28, 1.28}};
    static const Expected p4[] = {{230, 100, 560, 450, 1.0, 1.0},     {273, 121, 717, 576, 1.28, 1.28},
                                  {520, 249, 717, 576, 1.28, 1.28},   {830, 337, 717, 576, 1.28, 1.28},
                                  {273, 37, 717, 576, 1.28, 1.28},    {346, 137, 717, 576, 1.28, 1.28}};
    static const Expected p6[] = {{12, 15, 775, 540, 0, 0},   {124, 99, 775, 540, 0, 0},  {490, 227, 775, 540, 0, 0},
                                  {810, 315, 775, 540, 0, 0}, {124, 15, 775, 540, 0, 0},  {162, 115, 775, 540, 0, 0}};
    static const Expected p7[] = {{54, 40, 692, 520, 0, 0},   {54, 40, 915, 688, 0, 0},   {12, 40, 1256, 944, 0, 0},
                                  {55, 40, 1490, 1120, 0, 0}, {166, 40, 692, 520, 0, 0},  {71, 40, 958, 720, 0, 0}};
    static const Expected p8[] = {{465, 0, 340, 350, 0.5, 0.5},       {594, 0, 430, 420, 0.64, 0.64},
                                  {850, 302, 430, 420, 0.64, 0.64},   {1170, 390, 430, 420, 0.64, 0.64},
                                  {594, 0, 430, 420, 0.64, 0.64},     {670, 0, 430, 420, 0.64, 0.64}};
    switch (pattern) {
        case 2: return p2[screenIndex];
        case 3: return p3[screenIndex];
        case 4: return p4[screenIndex];
        case 6: return p6[screenIndex];
        case 7: return p7[screenIndex];
        case 8: return p8[screenIndex];
    }
    ADD_FAILURE() << "no pattern " << pattern;
    return {};
}

class EveryWindow : public ::testing::TestWithParam<size_t> {
protected:
    const WindowRow& row() const { return windows()[GetParam()]; }
};

std::string rowName(const ::testing::TestParamInfo<size_t>& info) { return windows()[info.param].cls; }

TEST_P(EveryWindow, FrameAsStored) {
    World world(800, 600, {row().cls});
    const WindowRow& r = row();
    frame::TopicForm& f = world.form(r.cls);

    EXPECT_EQ(f.className(), r.cls);
    EXPECT_EQ(f.caption(), r.caption);
    EXPECT_EQ(f.color(), r.color);
    EXPECT_EQ(f.borderStyle, r.sizeable ? ui::BorderStyle::SizeToolWin : ui::BorderStyle::ToolWindow);
    EXPECT_EQ(f.designPPI, r.designPPI);
    EXPECT_FALSE(f.visible());

    if (r.statusBar) {
        ASSERT_NE(f.statusBar(), nullptr);
        EXPECT_EQ(f.statusBar()->name(), r.statusBar);
        EXPECT_EQ(f.statusBar()->text(), "ESC = Abbruch");
        EXPECT_EQ(f.statusBarHeight(), ui::kStatusBarHeight);
    } else {
        EXPECT_EQ(f.statusBar(), nullptr);
        EXPECT_EQ(f.statusBarHeight(), 0);
    }

    // The frame's menu: the visible Ende item and the invisible Esc item, both on the
    // bar itself, beside whatever items the window adds.
    ASSERT_NE(f.menu(), nullptr);
    EXPECT_EQ(f.menu()->name(), "MainMenu1");
    ui::MenuItem* ende = f.menu()->find(r.endeName);
    ui::MenuItem* esc = f.menu()->find(r.escName);
    ASSERT_NE(ende, nullptr);
    ASSERT_NE(esc, nullptr);
    EXPECT_EQ(ende->caption(), r.endeCaption);
    EXPECT_TRUE(ende->visible());
    EXPECT_TRUE(ende->enabled());
    EXPECT_EQ(ende->shortCut(), ui::ShortCut::None);
    EXPECT_EQ(esc->caption(), r.escName == "ESCAPE" ? "ESCAPE" : "ESC");
    EXPECT_FALSE(esc->visible());
    EXPECT_TRUE(esc->enabled());
    EXPECT_EQ(esc->shortCut(), ui::ShortCut::Escape);
    EXPECT_EQ(f.menu()->findShortCut(ui::ShortCut::Escape), esc);
    EXPECT_EQ(&f.Ende1, ende);
    EXPECT_EQ(&f.ESC1, esc);
    EXPECT_EQ(ende->parent(), nullptr);
    EXPECT_EQ(esc->parent(), nullptr);
    EXPECT_TRUE(f.menu()->hasVisibleItems());
    EXPECT_EQ(f.menuBarHeight(), ui::kMenuBarHeight);
}

TEST_P(EveryWindow, PlacementOnEveryScreen) {
    const WindowRow& r = row();
    for (size_t i = 0; i < std::size(kScreens); ++i) {
        const Screen s = kScreens[i];
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        World world(s.w, s.h, {r.cls});
        frame::TopicForm& f = world.form(r.cls);
        const Expected e = expected(r.pattern, static_cast<int>(i));
        EXPECT_EQ(f.left(), e.left);
        EXPECT_EQ(f.top(), e.top);
        EXPECT_EQ(f.width(), e.width);
        EXPECT_EQ(f.height(), e.height);
        if (r.scaled) {
            EXPECT_DOUBLE_EQ(f.ScaleX, e.scaleX);
            EXPECT_DOUBLE_EQ(f.ScaleY, e.scaleY);
        } else if (r.pattern != 6 && r.pattern != 7) {
            // Windows that only take their size from the screen keep no scale of their own.
            EXPECT_DOUBLE_EQ(f.ScaleX, 1.0);
            EXPECT_DOUBLE_EQ(f.ScaleY, 1.0);
        }
    }
}

TEST_P(EveryWindow, EscAndEndeCloseOnlyThisWindow) {
    const WindowRow& r = row();
    World world(1024, 768, {r.cls});
    frame::TopicForm& f = world.form(r.cls);

    // Modal, closed with Esc: the window below takes input again.
    f.ShowModal();
    ASSERT_TRUE(f.visible());
    EXPECT_FALSE(world.main.enabled());
    EXPECT_TRUE(world.backend.pressEscape(f));
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(world.main.enabled());
    EXPECT_TRUE(world.main.visible());
    EXPECT_EQ(world.app.activeForm(), &world.main);
    EXPECT_TRUE(world.app.modalStack().empty());

    // Modal again, closed with Ende.
    f.ShowModal();
    EXPECT_EQ(world.backend.clickMenu(f, r.endeName), ui::headless::MenuResult::Done);
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(world.main.enabled());

    // Not modal, with Ende and with Esc; the Esc item itself cannot be chosen from the menu.
    f.Show();
    EXPECT_EQ(world.backend.clickMenu(f, r.escName), ui::headless::MenuResult::Invisible);
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(world.backend.clickMenu(f, r.endeName), ui::headless::MenuResult::Done);
    EXPECT_FALSE(f.visible());
    f.Show();
    EXPECT_TRUE(world.backend.pressEscape(f));
    EXPECT_FALSE(f.visible());

    EXPECT_FALSE(world.app.terminated());
    EXPECT_TRUE(world.main.visible());
}

INSTANTIATE_TEST_SUITE_P(Chapters, EveryWindow, ::testing::Range<size_t>(0, windows().size()), rowName);

TEST(ChapterWindows, AllCreatedOnceWithDistinctClassNames) {
  for (const Screen s : {Screen{800, 600}, Screen{1024, 768}, Screen{1280, 1024}, Screen{1600, 1200}}) {
    SCOPED_TRACE(s.w);
    World world(s.w, s.h);
    // The 60 chapter windows of the program (the title, overview and information
    // windows are the other three), each once, found by its class name.
    ASSERT_EQ(world.forms.size(), 60u);
    EXPECT_EQ(world.app.mainForm(), &world.main);
    std::set<std::string> names;
    for (auto& f : world.forms) {
        EXPECT_TRUE(names.insert(f->className()).second) << f->className();
        EXPECT_EQ(world.app.findForm(f->className()), f.get());
    }
    // Every row of the frame table is a window of the program, and every chapter window
    // but the raster scan (tested on its own) has a row.
    std::set<std::string> rows;
    for (const WindowRow& r : windows()) {
        EXPECT_EQ(names.count(r.cls), 1u) << r.cls;
        rows.insert(r.cls);
    }
    for (const std::string& n : names)
        if (n != "TFormREMRaster") {
            EXPECT_EQ(rows.count(n), 1u) << n;
        }
    // 21 picture pages.
    int pagesFound = 0;
    std::set<std::string> pageRows;
    for (const PageRow& p : pages()) pageRows.insert(p.cls);
    for (auto& f : world.forms) {
        if (!dynamic_cast<frame::PicturePage*>(f.get())) continue;
        ++pagesFound;
        EXPECT_EQ(pageRows.count(f->className()), 1u) << f->className();
    }
    EXPECT_EQ(pagesFound, 21);
    // Creating them shows none of them.
    EXPECT_EQ(world.app.zOrder().size(), 1u);
  }
}

TEST(ChapterWindows, DesignResolutionsAndPatternsAddUp) {
    // 31 of the 33 layouts drawn at 120 pixels per inch are chapter windows (the title
    // and information windows are the other two).
    World world(800, 600);
    int at120 = 0;
    for (auto& f : world.forms) at120 += f->designPPI == 120;
    EXPECT_EQ(at120, 31);
    int byPattern[9] = {};
    for (const WindowRow& r : windows()) ++byPattern[r.pattern];
    EXPECT_EQ(byPattern[2], 19);  // and the raster-scan window makes 20
    EXPECT_EQ(byPattern[3], 13);
    EXPECT_EQ(byPattern[4], 5);
    EXPECT_EQ(byPattern[6], 14);
    EXPECT_EQ(byPattern[7], 7);
    EXPECT_EQ(byPattern[8], 1);
}

TEST(ChapterWindows, SlichtStatusBarLooksAsStored) {
    World world(800, 600, {"TFormSLicht"});
    frame::TopicForm& f = world.form("TFormSLicht");
    ASSERT_NE(f.statusBar(), nullptr);
    EXPECT_TRUE(f.statusBar()->font.bold);
    EXPECT_EQ(f.statusBar()->font.height, -18);
    EXPECT_EQ(f.statusBar()->color, ui::clSilver);
}

TEST(ChapterWindows, PressingEscClosesOnlyTheTopWindowOfAStack) {
    // A topic window on top of another (as the text pages open theirs): Esc in the upper
    // one returns to the lower one, which stays open and usable.
    World world(1024, 768, {"TFormLMEin", "TFormPPSchritte"});
    frame::TopicForm& lower = world.form("TFormLMEin");
    frame::TopicForm& upper = world.form("TFormPPSchritte");
    lower.ShowModal();
    upper.ShowModal();
    EXPECT_FALSE(lower.enabled());
    EXPECT_FALSE(world.backend.pressEscape(lower));  // disabled below the modal window
    EXPECT_TRUE(lower.visible());
    EXPECT_TRUE(world.backend.pressEscape(upper));
    EXPECT_FALSE(upper.visible());
    EXPECT_TRUE(lower.visible());
    EXPECT_TRUE(lower.enabled());
    EXPECT_EQ(world.app.activeForm(), &lower);
    EXPECT_FALSE(world.main.enabled());
    EXPECT_TRUE(world.backend.pressEscape(lower));
    EXPECT_TRUE(world.main.enabled());
    EXPECT_FALSE(world.app.terminated());
}

}  // namespace
}  // namespace chaptertest
