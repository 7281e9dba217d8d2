// The picture pages: the photograph filling the page, closing by click, Esc and Ende,
// the opener put back in the middle, and the three ways pages are opened.
#include <gtest/gtest.h>

#include "ChapterWorld.h"

namespace chaptertest {
namespace {

frame::PicturePage& page(World& w, const char* cls) { return dynamic_cast<frame::PicturePage&>(w.form(cls)); }

class EveryPage : public ::testing::TestWithParam<size_t> {
protected:
    const PageRow& row() const { return pages()[GetParam()]; }
};

std::string pageName(const ::testing::TestParamInfo<size_t>& info) { return pages()[info.param].cls; }

TEST_P(EveryPage, PictureFillsThePage) {
    const PageRow& r = row();
    World world(800, 600, {r.cls, r.opener});
    frame::PicturePage& p = page(world, r.cls);
    ASSERT_EQ(p.controls().size(), 1u);
    EXPECT_EQ(p.findControl("Image1"), &p.Image1);
    EXPECT_EQ(p.Image1.align(), ui::Align::Client);
    EXPECT_EQ(p.Image1.clientRect(), p.alignRect());  // between menu bar and status bar
    EXPECT_EQ(p.Image1.stretch, r.stretch);
    EXPECT_EQ(p.Image1.picture().width, r.photoWidth);
    EXPECT_EQ(p.Image1.picture().height, r.photoHeight);
    EXPECT_EQ(p.Image1.cursor, ui::Cursor::HandPoint);
    EXPECT_EQ(p.cursorAt(p.alignRect().width() / 2, p.alignRect().height() / 2), ui::Cursor::HandPoint);
    ASSERT_NE(p.opener(), nullptr);
    EXPECT_EQ(p.opener()->className(), r.opener);
}

TEST_P(EveryPage, StretchedOrNaturalSize) {
    // A picture of one colour at the stated size: stretched it reaches the bottom right
    // corner of the client area; at natural size the window colour shows below it.
    const PageRow& r = row();
    World world(1024, 768, {r.cls, r.opener});
    frame::PicturePage& p = page(world, r.cls);
    p.Image1.setPicture(ui::raster::Bitmap(r.photoWidth, r.photoHeight, ui::toPixel(ui::clRed)));
    p.Show();
    world.app.flush();
    const ui::Rect a = p.alignRect();
    EXPECT_EQ(p.buffer().at(0, 0), ui::toPixel(ui::clRed));
    const uint32_t corner = p.buffer().at(a.right - 1, a.bottom - 1);
    if (r.stretch) {
        EXPECT_EQ(corner, ui::toPixel(ui::clRed));
    } else {
        ASSERT_LT(r.photoHeight, a.height());  // the 770 x 462 pictures on the 775 x 540 page
        EXPECT_EQ(corner, ui::toPixel(p.color()));
        EXPECT_EQ(p.buffer().at(0, r.photoHeight - 1), ui::toPixel(ui::clRed));
        EXPECT_EQ(p.buffer().at(0, r.photoHeight), ui::toPixel(p.color()));
    }
}

TEST_P(EveryPage, ClickEscAndEndeCloseAndRecentreTheOpener) {
    const PageRow& r = row();
    World world(1280, 1024, {r.cls, r.opener});
    frame::PicturePage& p = page(world, r.cls);
    ui::Form& opener = world.form(r.opener);
    opener.Show();
    const int centred = (1280 - opener.width()) / 2;
    const int openerTop = opener.top();
    const int cx = p.alignRect().width() / 2, cy = p.alignRect().height() / 2;

    enum class How { Click, Esc, Ende };
    for (How how : {How::Click, How::Esc, How::Ende}) {
        SCOPED_TRACE(static_cast<int>(how));
        frame::showPictureNotModal(opener, p);
        ASSERT_TRUE(p.visible());
        EXPECT_EQ(opener.left(), 0);
        EXPECT_TRUE(opener.enabled());
        switch (how) {
            case How::Click: EXPECT_TRUE(world.backend.click(p, cx, cy)); break;
            case How::Esc: EXPECT_TRUE(world.backend.pressEscape(p)); break;
            case How::Ende: EXPECT_EQ(world.backend.clickMenu(p, "Ende1"), ui::headless::MenuResult::Done); break;
        }
        EXPECT_FALSE(p.visible());
        EXPECT_TRUE(opener.visible());
        EXPECT_EQ(opener.left(), centred);
        EXPECT_EQ(opener.top(), openerTop);
    }
    // A click on the status bar is not a click on the picture.
    p.Show();
    EXPECT_TRUE(world.backend.click(p, cx, p.clientHeight() - 2));
    EXPECT_TRUE(p.visible());
}

TEST_P(EveryPage, OpenedFromTheOverviewRecentresTheHiddenOpener) {
    // Shown modally while its opener is hidden: the opener is still put in the middle,
    // which shows the next time it opens.
    const PageRow& r = row();
    World world(1600, 1200, {r.cls, r.opener});
    frame::PicturePage& p = page(world, r.cls);
    ui::Form& opener = world.form(r.opener);
    opener.setLeft(0);
    p.ShowModal();
    EXPECT_TRUE(world.backend.pressEscape(p));
    EXPECT_FALSE(opener.visible());
    EXPECT_EQ(opener.left(), (1600 - opener.width()) / 2);
    EXPECT_TRUE(world.main.enabled());
}

TEST_P(EveryPage, OnlyTheFracturePagesRepaintTheirOpener) {
    // On the widest screen the pages stand at the right and never cover the top left
    // of their opener, wherever it is.
    const PageRow& r = row();
    World world(1600, 1200, {r.cls, r.opener});
    frame::PicturePage& p = page(world, r.cls);
    ui::Form& opener = world.form(r.opener);
    opener.ShowModal();
    world.app.flush();
    const uint32_t background = opener.buffer().at(2, 2);
    opener.canvas.SetPixel(2, 2, ui::clLime);
    ASSERT_EQ(opener.buffer().at(2, 2), ui::toPixel(ui::clLime));
    if (p.pageSpec().pattern == frame::Pattern::PhotoPage) frame::showBeside(opener, p);
    else frame::showPictureNotModal(opener, p);
    ASSERT_GT(p.left(), (1600 - opener.width()) / 2 + ui::kBorderWidth + 2);
    EXPECT_TRUE(world.backend.pressEscape(p));
    EXPECT_EQ(opener.buffer().at(2, 2), r.repaintsOpener ? background : ui::toPixel(ui::clLime));
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPage, ::testing::Range<size_t>(0, pages().size()), pageName);

TEST(PicturePages, TwoPagesOfATwoPictureWindowStayOpenTogether) {
    World world(1280, 1024, {"TFormMakroSt1", "TFormMakroSt2", "TFormMakroSt3"});
    auto& st1 = world.get<chapters::TFormMakroSt1>();
    auto& st2 = world.get<chapters::TFormMakroSt2>();
    auto& st3 = world.get<chapters::TFormMakroSt3>();
    st1.Show();  // the overview shows the case study not modal
    EXPECT_EQ(st1.left(), 128);

    frame::showPictureNotModal(st1, st2);
    frame::showPictureNotModal(st1, st3);
    EXPECT_TRUE(st2.visible());
    EXPECT_TRUE(st3.visible());
    EXPECT_TRUE(st1.visible());
    EXPECT_TRUE(st1.enabled());
    EXPECT_TRUE(st2.enabled());
    EXPECT_EQ(world.app.activeForm(), &st3);
    // One over the other at the right, the two-picture window at the left edge.
    EXPECT_EQ(st1.left(), 0);
    EXPECT_EQ(st2.left(), 490);
    EXPECT_EQ(st2.top(), 227);
    EXPECT_EQ(st3.left(), 490);
    EXPECT_EQ(st3.top(), 227);
    const auto& z = world.app.zOrder();
    ASSERT_GE(z.size(), 3u);
    EXPECT_EQ(z[z.size() - 1], &st3);
    EXPECT_EQ(z[z.size() - 2], &st2);

    // Closing either page re-centres the window; the other page stays open.
    world.backend.click(st3, 100, 100);
    EXPECT_FALSE(st3.visible());
    EXPECT_TRUE(st2.visible());
    EXPECT_EQ(st1.left(), 128);
    EXPECT_EQ(world.app.activeForm(), &st2);

    // Opening again after a move brings the window back to the edge; closing the
    // two-picture window leaves its open page open.
    frame::showPictureNotModal(st1, st3);
    EXPECT_EQ(st1.left(), 0);
    EXPECT_TRUE(world.backend.pressEscape(st1));
    EXPECT_TRUE(st2.visible());
    EXPECT_TRUE(st3.visible());
}

TEST(PicturePages, ShownBesideTheOpenerOnWideScreens) {
    World world(1280, 1024, {"TFormREMEin", "TFormREMBVAk"});
    auto& ein = world.get<chapters::TFormREMEin>();
    auto& vak = world.get<chapters::TFormREMBVAk>();
    ein.ShowModal();
    EXPECT_EQ(ein.left(), 128);

    frame::showBeside(ein, vak);
    EXPECT_TRUE(vak.visible());
    EXPECT_TRUE(vak.modal());
    EXPECT_FALSE(ein.enabled());
    EXPECT_EQ(ein.left(), 0);
    EXPECT_EQ(vak.left(), 470);
    EXPECT_EQ(vak.top(), 212);
    EXPECT_EQ(vak.width(), 800);
    EXPECT_EQ(vak.height(), 600);
    EXPECT_EQ(vak.Image1.clientRect(), vak.alignRect());  // the picture follows the page size

    // Closing the page puts the introduction back in the middle.
    EXPECT_TRUE(world.backend.click(vak, 10, 10));
    EXPECT_FALSE(vak.visible());
    EXPECT_TRUE(ein.enabled());
    EXPECT_EQ(ein.left(), 128);
    EXPECT_EQ(ein.top(), 128);

    // Until the introduction is closed the page keeps its place beside it, also when
    // the overview shows it.
    vak.ShowModal();
    EXPECT_EQ(vak.left(), 470);
    EXPECT_EQ(vak.width(), 800);
    EXPECT_TRUE(world.backend.pressEscape(vak));

    // The opener's close handler restores the full-height placement.
    frame::restorePhotoPage(vak);
    EXPECT_EQ(vak.left(), 12);
    EXPECT_EQ(vak.top(), 40);
    EXPECT_EQ(vak.width(), 1256);
    EXPECT_EQ(vak.height(), 944);
}

TEST(PicturePages, ShownBesideOnTheLargestScreen) {
    World world(1600, 1200, {"TFormREMEin", "TFormREMBDet"});
    auto& ein = world.get<chapters::TFormREMEin>();
    auto& det = world.get<chapters::TFormREMBDet>();
    ein.ShowModal();
    frame::showBeside(ein, det);
    EXPECT_EQ(ein.left(), 0);
    EXPECT_EQ(ein.width(), 1024);
    EXPECT_EQ(ein.height(), 768);
    EXPECT_EQ(det.left(), 790);
    EXPECT_EQ(det.top(), 300);
    EXPECT_EQ(det.width(), 800);
    EXPECT_EQ(det.height(), 600);
}

TEST(PicturePages, NarrowScreensKeepThePagePlacement) {
    struct Case {
        int w, h;
        int left, top, width, height;
    };
    for (const Case c : {Case{800, 600, 54, 40, 692, 520}, Case{1024, 768, 54, 40, 915, 688},
                         Case{1100, 800, 71, 40, 958, 720}}) {
        SCOPED_TRACE(c.w);
        World world(c.w, c.h, {"TFormLMEinrichtungen", "TFormLMMikro"});
        auto& einr = world.get<chapters::TFormLMEinrichtungen>();
        auto& mikro = world.get<chapters::TFormLMMikro>();
        einr.ShowModal();
        const int openerLeft = einr.left();
        frame::showBeside(einr, mikro);
        EXPECT_TRUE(mikro.visible());
        EXPECT_EQ(einr.left(), openerLeft);
        EXPECT_EQ(mikro.left(), c.left);
        EXPECT_EQ(mikro.top(), c.top);
        EXPECT_EQ(mikro.width(), c.width);
        EXPECT_EQ(mikro.height(), c.height);
        EXPECT_TRUE(world.backend.pressEscape(mikro));
        EXPECT_EQ(einr.left(), openerLeft);
    }
}

TEST(PicturePages, FracturePageOverTheChartAtTheRight) {
    World world(1280, 1024, {"TFormREMAvT", "TFormAvTSpa"});
    auto& chart = world.get<chapters::TFormREMAvT>();
    auto& spa = world.get<chapters::TFormAvTSpa>();
    chart.ShowModal();
    frame::showPictureNotModal(chart, spa);
    EXPECT_EQ(chart.left(), 0);
    EXPECT_EQ(spa.left(), 490);
    EXPECT_EQ(spa.top(), 227);
    EXPECT_TRUE(chart.enabled());  // both windows usable
    EXPECT_TRUE(world.backend.pressEscape(spa));
    EXPECT_EQ(chart.left(), 128);
    EXPECT_TRUE(chart.visible());
    EXPECT_EQ(world.app.activeForm(), &chart);
}

}  // namespace
}  // namespace chaptertest
