// Canvas state that carries over between paints and ticks, paint boxes, text.
#include <gtest/gtest.h>

#include "TestForms.h"
#include "ui/text/TextEngine.h"

namespace {

struct Boxed {
    ui::Application app{800, 600};
    ui::headless::HeadlessBackend backend{app};
    testforms::Recorder form{app, "F", nullptr};
    ui::PaintBox box{form, "Box"};
    Boxed() {
        app.create(form);
        form.setBounds(0, 0, 300, 200);
        box.setBounds(10, 20, 100, 50);
        form.Show();
        app.flush();
    }
    uint32_t px(int x, int y) const { return form.buffer().at(x, y); }
};

TEST(CanvasState, PenModeWidthAndBrushStyleCarryOverButFontAndColourAreRetaken) {
    Boxed b;
    b.box.color = ui::clYellow;
    b.box.font.height = 20;
    ui::Canvas& c = b.box.canvas;
    // A timer tick leaves its settings behind ...
    c.pen.mode = ui::PenMode::NotXor;
    c.pen.width = 3;
    c.pen.color = ui::clRed;
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 40;
    c.MoveTo(7, 8);
    ui::CanvasPen seen;
    ui::BrushStyle seenStyle{};
    ui::TColor seenBrush = 0;
    int seenFont = 0;
    ui::Point seenPos;
    b.box.OnPaint = [&] {
        seen = c.pen;
        seenStyle = c.brush.style;
        seenBrush = c.brush.color();
        seenFont = c.font.height;
        seenPos = c.PenPos();
    };
    // ... and the next paint finds them, with the box's font and colour taken over.
    b.form.Repaint();
    EXPECT_EQ(seen.mode, ui::PenMode::NotXor);
    EXPECT_EQ(seen.width, 3);
    EXPECT_EQ(seen.color, ui::clRed);
    EXPECT_EQ(seenStyle, ui::BrushStyle::Clear);
    EXPECT_EQ(seenBrush, ui::clYellow);
    EXPECT_EQ(seenFont, 20);
    EXPECT_EQ(seenPos.x, 7);
    EXPECT_EQ(seenPos.y, 8);
}

TEST(CanvasState, AssigningABrushColourMakesItSolidAgain) {
    ui::Application app(800, 600);
    testforms::Recorder f(app, "F", nullptr);
    f.canvas.brush.style = ui::BrushStyle::Clear;
    f.canvas.brush.setColor(ui::clRed);
    EXPECT_EQ(f.canvas.brush.style, ui::BrushStyle::Solid);
}

TEST(PaintBoxCanvas, OriginAtTheBoxAndClippedToIt) {
    Boxed b;
    ui::Canvas& c = b.box.canvas;
    c.brush.setColor(ui::clBlue);
    c.pen.color = ui::clBlue;
    c.Rectangle(-50, -50, 500, 500);
    EXPECT_EQ(b.px(10, 20), ui::toPixel(ui::clBlue));
    EXPECT_EQ(b.px(109, 69), ui::toPixel(ui::clBlue));
    EXPECT_NE(b.px(110, 69), ui::toPixel(ui::clBlue));
    EXPECT_NE(b.px(109, 70), ui::toPixel(ui::clBlue));
    EXPECT_NE(b.px(9, 20), ui::toPixel(ui::clBlue));
    c.SetPixel(0, 0, ui::clRed);
    EXPECT_EQ(b.px(10, 20), ui::toPixel(ui::clRed));
    EXPECT_EQ(c.Pixel(0, 0), ui::clRed);
}

TEST(PaintBoxCanvas, WhatTimersDrewIsLostOnRepaint) {
    Boxed b;
    b.box.canvas.SetPixel(5, 5, ui::clRed);
    ASSERT_EQ(b.px(15, 25), ui::toPixel(ui::clRed));
    b.form.Repaint();
    EXPECT_EQ(b.px(15, 25), ui::toPixel(b.form.color()));
}

TEST(Text, CellTopLeftAtThePointOpaqueAndTransparent) {
    Boxed b;
    ui::Canvas& c = b.form.canvas;
    c.font.height = 24;
    c.font.color = ui::clBlack;
    const int w = c.TextWidth("Probe");
    EXPECT_GT(w, 30);
    EXPECT_EQ(c.TextHeight("Probe"), 24);
    // Opaque: the whole cell gets the brush colour.
    c.brush.setColor(ui::clRed);
    c.TextOut(50, 60, "Probe");
    EXPECT_EQ(b.px(50, 60), ui::toPixel(ui::clRed));
    EXPECT_EQ(b.px(50 + w - 1, 60 + 23), ui::toPixel(ui::clRed));
    EXPECT_NE(b.px(50 + w, 60), ui::toPixel(ui::clRed));
    EXPECT_NE(b.px(50, 60 + 24), ui::toPixel(ui::clRed));
    int ink = 0;
    for (int y = 60; y < 84; ++y)
        for (int x = 50; x < 50 + w; ++x) ink += b.px(x, y) == ui::toPixel(ui::clBlack);
    EXPECT_GT(ink, 40);
    // Transparent: only glyph pixels change.
    b.form.Repaint();
    c.brush.style = ui::BrushStyle::Clear;
    c.TextOut(50, 60, "Probe");
    int changed = 0, black = 0;
    for (int y = 60; y < 84; ++y)
        for (int x = 50; x < 50 + w; ++x) {
            changed += b.px(x, y) != ui::toPixel(b.form.color());
            black += b.px(x, y) == ui::toPixel(ui::clBlack);
        }
    EXPECT_EQ(changed, black);
    EXPECT_EQ(black, ink);
}

TEST(Text, SameTextTwiceGivesTheSamePixels) {
    Boxed b;
    ui::Canvas& c = b.form.canvas;
    c.font.height = 30;
    c.brush.style = ui::BrushStyle::Clear;
    c.TextOut(20, 20, "Vergrößerung");
    const ui::raster::Bitmap once = b.form.buffer();
    c.TextOut(20, 20, "Vergrößerung");
    EXPECT_EQ(once, b.form.buffer());
}

TEST(Text, GermanCharactersHaveGlyphs) {
    ui::Font f;
    f.height = 24;
    // Each of these has a width of its own; a missing glyph would show as the same box.
    const int plainU = ui::text::textWidth(f, "u"), umlautU = ui::text::textWidth(f, "ü");
    EXPECT_EQ(plainU, umlautU);
    for (const char* s : {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß", "°", "µ"}) {
        ui::raster::Bitmap b(40, 40, 0xFFFFFFFFu);
        ui::raster::Target t(b);
        ui::text::drawText(t, 5, 5, f, s, false, 0);
        int ink = 0;
        for (uint32_t p : b.pixels) ink += p != 0xFFFFFFFFu;
        EXPECT_GT(ink, 10) << s;
    }
    EXPECT_EQ(ui::text::decodeUtf8("\xE4"), std::u32string(1, U'\u00E4'));  // a stray Windows-1252 byte
    EXPECT_EQ(ui::text::decodeUtf8("\x80"), std::u32string(1, U'\u20AC'));
}

TEST(Text, SymbolFaceShowsGreekLetters) {
    EXPECT_EQ(ui::text::mapForFace("Symbol", U"m"), U"\u03BC");
    EXPECT_EQ(ui::text::mapForFace("Symbol", U"abgDW"), U"\u03B1\u03B2\u03B3\u0394\u03A9");
    EXPECT_EQ(ui::text::mapForFace("Symbol", U"5 m"), U"5 \u03BC");
    EXPECT_EQ(ui::text::mapForFace("Arial", U"m"), U"m");
    ui::Font sym, arial;
    sym.name = "Symbol";
    sym.height = 30;
    arial.name = "Arial";
    arial.height = 30;
    ui::raster::Bitmap a(60, 40, 0xFFFFFFFFu), b(60, 40, 0xFFFFFFFFu);
    ui::raster::Target ta(a), tb(b);
    ui::text::drawText(ta, 0, 0, sym, "m", false, 0);
    ui::text::drawText(tb, 0, 0, arial, "\u03BC", false, 0);
    EXPECT_EQ(a, b);
}

TEST(Text, TheClassicWindowFaceIsATenthNarrowerThanArialAtTheSameHeight) {
    ui::Font classic, arial;
    classic.height = arial.height = 29;  // one of the classic face's raster sizes
    arial.name = "Arial";
    classic.name = "ms sans serif";  // face names match whatever their case
    const int c = ui::text::textWidth(classic, "Mikrobereichsanalyse");
    const int a = ui::text::textWidth(arial, "Mikrobereichsanalyse");
    EXPECT_GT(c, a * 85 / 100);
    EXPECT_LT(c, a * 93 / 100);
    // Same cell, so lines stand as far apart as before.
    EXPECT_EQ(ui::text::metrics(classic).cellHeight(), ui::text::metrics(arial).cellHeight());
    // Every other face keeps Arial's widths.
    ui::Font other = arial;
    other.name = "@Arial Unicode MS";
    EXPECT_EQ(ui::text::textWidth(other, "Mikrobereichsanalyse"), a);
    // Between its sizes the classic face takes the smaller one; Arial keeps the request.
    classic.height = arial.height = 31;
    EXPECT_EQ(ui::text::metrics(classic).cellHeight(), 29);
    EXPECT_EQ(ui::text::metrics(arial).cellHeight(), 31);
}

TEST(Text, NegativeHeightIsTheCharacterHeightPositiveTheCell) {
    ui::Font cell, em;
    cell.height = 24;
    em.height = -24;
    EXPECT_EQ(ui::text::metrics(cell).cellHeight(), 24);
    EXPECT_GT(ui::text::metrics(em).cellHeight(), 24);
    ui::Font pt;
    pt.setSize(12);
    EXPECT_EQ(pt.height, -16);
    EXPECT_EQ(pt.size(), 12);
}

TEST(Layout, StoredLayoutScalesByScreenOverDesignResolution) {
    ui::Application app(800, 600);
    testforms::Recorder f(app, "F", nullptr);
    ui::PaintBox box(f, "Box");
    box.setBounds(100, 50, 200, 120);
    box.font.height = 20;
    f.designPPI = 120;
    app.create(f);
    EXPECT_EQ(box.left(), 80);
    EXPECT_EQ(box.top(), 40);
    EXPECT_EQ(box.width(), 160);
    EXPECT_EQ(box.height(), 96);
    EXPECT_EQ(box.font.height, 16);
}

}  // namespace

namespace {

TEST(Layout, LabelsShowTheirPanelsFontUntilTheyGetTheirOwn) {
    ui::Application app(800, 600);
    testforms::Recorder f(app, "F", nullptr);
    ui::Panel panel(f, "Panel");
    ui::Label onPanel(f, "L1", "Vergrößerung", &panel);
    ui::Label own(f, "L2", "Vergrößerung", &panel);
    panel.font.height = 30;  // set after the labels were made, as a stored layout may
    own.setFont(ui::Font{});
    f.designPPI = 120;
    app.create(f);
    EXPECT_EQ(onPanel.font().height, 24);  // the panel's 30, scaled from 120 to 96 pixels per inch
    EXPECT_EQ(onPanel.height(), 24);
    EXPECT_GT(onPanel.width(), own.width());
    EXPECT_EQ(own.font().height, -9);  // its own -11, scaled
}

}  // namespace
