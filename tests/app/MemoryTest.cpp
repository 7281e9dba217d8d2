// Memory of the running program: only the windows that are shown hold pixels, and a
// photograph is decoded when its window is first shown.
#include <gtest/gtest.h>

#include <vector>

#include "ProgramFixture.h"
#include "app/FormHaupt.h"

namespace {

std::vector<ui::Image*> images(const ui::Application& app) {
    std::vector<ui::Image*> out;
    for (ui::Form* f : app.forms())
        for (ui::Control* c : f->controls())
            if (auto* i = dynamic_cast<ui::Image*>(c)) out.push_back(i);
    return out;
}

int decoded(const ui::Application& app) {
    int n = 0;
    for (ui::Image* i : images(app)) n += i->decoded();
    return n;
}

TEST(Memory, OnlyShownWindowsHoldPixels) {
    const int before = ui::Form::livePixelBuffers();
    Started s(1024, 768);
    // After start-up only the title window is shown.
    EXPECT_EQ(ui::Form::livePixelBuffers() - before, 1);
    EXPECT_EQ(decoded(s.app), 1);  // the title's background picture
    s.menu("TFormHaupt", "Programmstarten1");
    EXPECT_EQ(ui::Form::livePixelBuffers() - before, 2);

    // Every window once, then closed again: the pixels go with it, the pictures stay decoded.
    int photographs = 0;
    for (ui::Form* f : s.app.forms()) {
        if (f->visible()) continue;
        f->Show();
        s.app.flush();
        EXPECT_TRUE(f->hasPixels()) << f->className();
        EXPECT_EQ(ui::Form::livePixelBuffers() - before, 3) << f->className();
        for (ui::Control* c : f->controls())
            if (auto* i = dynamic_cast<ui::Image*>(c); i && i->visible()) {
                EXPECT_TRUE(i->decoded()) << f->className() << "." << c->name();
                ++photographs;
            }
        f->Close();
        s.app.flush();
        EXPECT_FALSE(f->hasPixels()) << f->className();
        EXPECT_EQ(f->buffer().pixels.capacity(), 0u) << f->className();
    }
    EXPECT_EQ(ui::Form::livePixelBuffers() - before, 2);
    EXPECT_GE(photographs, 21);
    ASSERT_TRUE(s.backend.pressEscape(s.form("TFormMetallo")));
    EXPECT_EQ(ui::Form::livePixelBuffers() - before, 1);
    s.menu("TFormHaupt", "Programmbeenden1");
    EXPECT_EQ(ui::Form::livePixelBuffers() - before, 0);
}

// The title animation goes on behind the overview: the title window is covered, not
// hidden, so it keeps its pixels and its rings reach the end (54 ticks of one frame each).
TEST(Memory, TheTitleAnimatesBehindTheOverview) {
    Started s(1024, 768);
    auto& title = s.get<app::TFormHaupt>();
    s.menu("TFormHaupt", "Programmstarten1");
    s.backend.advance(54 * ui::kMinTimerInterval);
    EXPECT_FALSE(title.TimerSTart.enabled());
    EXPECT_EQ(title.RingHalfWidth[9], 46 * 7);
    ASSERT_TRUE(title.hasPixels());
    // Ring 9 ended as a light-yellow block round the centre (502, 334), under the text.
    EXPECT_EQ(title.buffer().at(502 - 200, 334 + 100), ui::toPixel(0x0080FFFF));
    // Closing the overview uncovers the title, which replays the animation from the centre.
    ASSERT_TRUE(s.backend.pressEscape(s.form("TFormMetallo")));
    EXPECT_TRUE(title.TimerSTart.enabled());
    EXPECT_LT(title.RingHalfWidth[9], 46 * 7);
}

// A window hidden while its timer runs keeps ticking: the state goes on, the drawing goes
// nowhere, and showing the window paints it whole before the next tick draws on it.
class Ticking : public ui::Form {
public:
    explicit Ticking(ui::Application& app) : ui::Form(app, "Ticking", "Ticking") {
        Box.setBounds(0, 0, 100, 100);
        Box.OnPaint = [this] {
            Box.canvas.brush.setColor(ui::clBlue);
            Box.canvas.Rectangle(0, 0, 100, 100);
        };
        Timer1.OnTimer = [this] {
            ++ticks;
            Box.canvas.brush.setColor(ui::clWhite);
            Box.canvas.Rectangle(ticks, ticks, ticks + 4, ticks + 4);
        };
    }
    ui::PaintBox Box{*this, "Box"};
    ui::Timer Timer1{*this, "Timer1", 50, true};
    int ticks = 0;
};

TEST(Memory, HiddenWindowsTickWithoutPixels) {
    ui::Application app(800, 600);
    ui::headless::HeadlessBackend backend(app);
    Ticking main(app), hidden(app);
    app.create(main);
    app.create(hidden);
    main.Show();
    hidden.setBounds(0, 0, 200, 200);
    backend.advance(500);
    EXPECT_EQ(hidden.ticks, 10);
    EXPECT_FALSE(hidden.hasPixels());
    hidden.Show();
    app.flush();
    EXPECT_EQ(hidden.buffer().at(5, 5), ui::toPixel(ui::clBlue));  // the earlier ticks drew nowhere
    backend.advance(50);
    EXPECT_EQ(hidden.ticks, 11);
    EXPECT_EQ(hidden.buffer().at(12, 12), ui::toPixel(ui::clWhite));
}

}  // namespace
