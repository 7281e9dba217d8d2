// Timers on the virtual clock: time order, ties in creation order, restart, the floor.
#include <gtest/gtest.h>

#include "TestForms.h"

namespace {

struct Clock {
    ui::Application app{800, 600};
    ui::headless::HeadlessBackend backend{app};
    testforms::Recorder form{app, "F", nullptr};
    std::vector<std::string> fired;
    Clock() { app.create(form); }
};

TEST(Timers, FireInTimeOrderWithTiesInCreationOrder) {
    Clock c;
    ui::Timer t50(c.form, "T50", 50, true), t20(c.form, "T20", 20, true), t100(c.form, "T100", 100, true),
        u20(c.form, "U20", 20, true);
    for (ui::Timer* t : {&t50, &t20, &t100, &u20}) t->OnTimer = [&c, t] { c.fired.push_back(t->name()); };
    c.backend.advance(100);
    const std::vector<std::string> expected = {"T20", "U20", "T20", "U20", "T50", "T20", "U20",
                                               "T20", "U20", "T50", "T20", "T100", "U20"};
    EXPECT_EQ(c.fired, expected);
    EXPECT_EQ(c.app.now(), 100);
}

TEST(Timers, ShortIntervalsTickOncePerFrame) {
    Clock c;
    ui::Timer t1(c.form, "T1", 1, true), t10(c.form, "T10", 10, true);
    int n1 = 0, n10 = 0;
    t1.OnTimer = [&] { ++n1; };
    t10.OnTimer = [&] { ++n10; };
    c.backend.advance(160);
    EXPECT_EQ(n1, 10);
    EXPECT_EQ(n10, 10);
}

TEST(Timers, EnablingOrChangingTheIntervalRestartsTheCount) {
    Clock c;
    ui::Timer t(c.form, "T", 50, false);
    std::vector<int64_t> at;
    t.OnTimer = [&] { at.push_back(c.app.now()); };
    c.backend.advance(30);
    t.setEnabled(true);  // counts from 30
    c.backend.advance(60);
    EXPECT_EQ(at, (std::vector<int64_t>{80}));
    c.backend.advance(10);  // now 100
    t.setInterval(40);      // restarts: next at 140, not 130
    c.backend.advance(45);
    EXPECT_EQ(at, (std::vector<int64_t>{80, 140}));
    t.setEnabled(false);
    c.backend.advance(500);
    EXPECT_EQ(at.size(), 2u);
}

TEST(Timers, AHandlerThatStopsItselfOrAnotherTakesEffectAtOnce) {
    Clock c;
    ui::Timer a(c.form, "A", 20, true), b(c.form, "B", 20, true);
    int na = 0, nb = 0;
    a.OnTimer = [&] {
        ++na;
        b.setEnabled(false);
    };
    b.OnTimer = [&] { ++nb; };
    c.backend.advance(100);
    EXPECT_EQ(na, 5);
    EXPECT_EQ(nb, 0);
}

TEST(Timers, KeepFiringWhileAModalFormIsUp) {
    Clock c;
    testforms::Recorder modal(c.app, "M", nullptr);
    c.app.create(modal);
    c.form.Show();
    ui::Timer t(c.form, "T", 50, true);
    int n = 0;
    t.OnTimer = [&] { ++n; };
    modal.ShowModal();
    c.backend.advance(200);
    EXPECT_EQ(n, 4);
}

TEST(Timers, DesktopPaceSkipsMissedTicksInsteadOfBursting) {
    Clock c;
    ui::Timer t(c.form, "T", 50, true);
    int n = 0;
    t.OnTimer = [&] { ++n; };
    c.app.advanceTo(1000, false);  // the machine was busy for a second
    EXPECT_EQ(n, 1);
    c.app.advanceTo(1050, false);
    EXPECT_EQ(n, 2);
}

}  // namespace
