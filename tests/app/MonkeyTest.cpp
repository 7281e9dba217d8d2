// Thousands of random user events from fixed seeds: nothing may crash, and the modal
// stack and the enabled states must stay consistent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>

#include "ProgramFixture.h"
#include "ui/Input.h"

namespace {

// Events per screen size; METALLO_MONKEY_EVENTS=20000 makes a longer walk.
int eventCount() {
    const char* v = std::getenv("METALLO_MONKEY_EVENTS");
    const int n = v ? std::atoi(v) : 0;
    return n > 0 ? n : 2500;
}

// A small deterministic generator (the same sequence on every platform).
struct Rng {
    uint64_t s;
    uint64_t next() {
        s += 0x9E3779B97F4A7C15ull;
        uint64_t z = s;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint64_t>(n)); }
};

std::string checkConsistency(const ui::Application& app) {
    const auto& z = app.zOrder();
    const auto modal = app.modalStack();
    for (ui::Form* m : modal)
        if (!m->visible()) return m->className() + " is modal but hidden";
    for (size_t i = 0; i < z.size(); ++i) {
        ui::Form* f = z[i];
        if (!f->visible()) return f->className() + " is in the z-order but hidden";
        // A window that disabled itself (a growing spectrum) needs no modal window above it.
        if (f->enabled() || !f->disabledByModal()) continue;
        const bool modalAbove = std::any_of(modal.begin(), modal.end(), [&](ui::Form* m) {
            return std::find(z.begin() + static_cast<long>(i) + 1, z.end(), m) != z.end();
        });
        if (!modalAbove) return f->className() + " is disabled with no modal window above it";
    }
    if (ui::Form* a = app.activeForm()) {
        if (!a->visible()) return a->className() + " is active but hidden";
        if (a->disabledByModal()) return a->className() + " is active but disabled";
    }
    if (!app.terminated() && !z.empty() && !app.activeForm()) return "no active window";
    // The focus lies on a control of its window that takes it; an open list is on a shown window.
    for (const ui::Form* f : app.forms()) {
        const ui::Control* c = f->activeControl();
        if (c && (&c->owner() != f || !c->canFocus() || !c->usable()))
            return f->className() + " has the focus on " + c->name() + ", which cannot take it";
        if (f->droppedDown() && !f->visible()) return f->className() + " is hidden with its list open";
    }
    // Exactly the shown windows hold pixels.
    if (ui::Form::livePixelBuffers() != static_cast<int>(z.size()))
        return std::to_string(ui::Form::livePixelBuffers()) + " pixel buffers for " + std::to_string(z.size()) +
               " shown windows";
    return "";
}

void monkey(int w, int h, uint64_t seed) {
    Rng rng{seed};
    auto s = std::make_unique<Started>(w, h);
    int restarts = 0;
    std::set<std::string> reached;
    const int events = eventCount();
    for (int n = 0; n < events; ++n) {
        if (s->app.terminated()) {
            s = std::make_unique<Started>(w, h);
            ++restarts;
        }
        const auto& z = s->app.zOrder();
        ASSERT_FALSE(z.empty());
        ui::Form& f = *z[static_cast<size_t>(rng.below(static_cast<int>(z.size())))];
        const bool isTitle = &f == s->app.mainForm();
        switch (rng.below(8)) {
            case 0:
            case 1: {
                if (!f.menu()) break;
                const auto items = f.menu()->allItems();
                ui::MenuItem* item = items[static_cast<size_t>(rng.below(static_cast<int>(items.size())))];
                // Ending the program is rare, so the other windows get their turn.
                if (isTitle && item->name() == "Programmbeenden1" && rng.below(20) != 0) break;
                s->backend.clickMenu(f, item->name());
                break;
            }
            case 2:
                if (isTitle && rng.below(20) != 0) break;
                s->backend.pressEscape(f);
                break;
            case 3:
                s->backend.click(f, rng.below(f.clientWidth() + 20) - 10, rng.below(f.clientHeight() + 20) - 10);
                break;
            case 4:
                s->backend.activate(f);
                break;
            case 5:
                s->backend.advance(rng.below(400));
                break;
            case 6: {
                // Keys and typing, as on windows with controls (F1 opens the glossary).
                static const int kKeys[] = {ui::vk::Tab, ui::vk::Down, ui::vk::Up, ui::vk::Return, ui::vk::Space, ui::vk::F1,
                                            ui::vk::End, ui::vk::Home, ui::vk::Next, ui::vk::Back, ui::vk::F4, 'A'};
                static const unsigned kShift[] = {ui::ssNone, ui::ssNone, ui::ssShift, ui::ssCtrl, ui::ssAlt};
                if (rng.below(4) == 0) s->app.textInput(f, rng.below(2) ? "rü" : "e");
                else s->app.keyDown(f, kKeys[rng.below(static_cast<int>(std::size(kKeys)))], kShift[rng.below(5)]);
                break;
            }
            case 7: {
                // A drag that may end outside the window, or the wheel.
                const int x = rng.below(f.clientWidth() + 20) - 10, y = rng.below(f.clientHeight() + 20) - 10;
                if (rng.below(3) == 0) {
                    s->app.mouseWheel(f, x, y, rng.below(7) - 3);
                } else {
                    s->app.mouseDown(f, x, y);
                    s->app.mouseMove(f, x + rng.below(400) - 200, y + rng.below(400) - 200);
                    s->app.mouseUp(f, x + rng.below(600) - 300, y + rng.below(600) - 300);
                }
                break;
            }
        }
        const std::string problem = checkConsistency(s->app);
        ASSERT_EQ(problem, "") << "after event " << n << " (seed " << seed << ", screen " << w << "x" << h << ")";
        for (ui::Form* v : s->app.zOrder()) reached.insert(v->className());
    }
    // The walk must get beyond the first windows to mean anything.
    EXPECT_GE(reached.size(), 30u) << "restarts " << restarts;
}

TEST(Monkey, At800x600) { monkey(800, 600, 1); }
TEST(Monkey, At1024x768) { monkey(1024, 768, 2); }
TEST(Monkey, At1280x1024) { monkey(1280, 1024, 3); }
TEST(Monkey, At1600x1200) { monkey(1600, 1200, 4); }

}  // namespace
