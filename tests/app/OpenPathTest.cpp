// Opening a window by its class name, as `--open` and the browser's links do.
#include <gtest/gtest.h>

#include "ProgramFixture.h"
#include "app/OpenPath.h"
#include "app/WindowList.h"
#include "ui/Controls.h"

namespace {

// Every window of the program opens from a fresh start through its openers' own events
// and ends up shown, enabled and active; its opener chain stays as a user leaves it.
TEST(OpenWindow, EveryWindowOpensTheWayAUserOpensIt) {
    for (const app::WindowEntry& e : app::windowList()) {
        Started s(800, 600);
        EXPECT_EQ(app::openWindow(s.app, e.className), "") << e.className;
        const ui::Form& f = s.form(e.className);
        EXPECT_TRUE(f.visible()) << e.className;
        EXPECT_TRUE(f.enabled()) << e.className;
        EXPECT_TRUE(f.active()) << e.className;
        const std::string name = e.className;
        if (name != "TFormHaupt" && name != "TFormInfo" && name != "TFormMetallo") {
            EXPECT_TRUE(s.form("TFormMetallo").visible()) << name << " is not reached through the overview";
        }
    }
}

// The browser starts the program in steps (the windows one by one, photographs decoded a
// few rows ahead of their first paint, then the title window, then each window on the way
// to the one asked for): the screen, the active window and the answer end as a start and
// one openWindow give them.
TEST(OpenWindow, StartingInStepsAndOpeningAlongThePathEndsAsAtOnce) {
    std::vector<std::string> asked{"TFormGlossar:Härte", "TFormSelbsttest:lm", "TFormNichts"};
    for (const app::WindowEntry& e : app::windowList()) asked.push_back(e.className);
    for (const std::string& what : asked) {
        Started once(800, 600);
        const std::string message = app::openWindow(once.app, what);

        ui::Application app(800, 600);
        ui::headless::HeadlessBackend backend(app);
        app::Program program(app);
        int created = 0;
        while (program.createNextWindow()) ++created;
        EXPECT_EQ(created, static_cast<int>(app::windowList().size()));
        const std::vector<std::string> path = app::openPath(what);
        EXPECT_EQ(path.back(), what);
        for (const std::string& step : path)
            if (ui::Form* f = app.findForm(step.substr(0, step.find(':'))))
                for (ui::Control* c : f->controls())
                    if (auto* image = dynamic_cast<ui::Image*>(c)) image->decodeRows(5);
        program.finishStart();
        app.flush();
        std::string last;
        for (const std::string& step : path) last = app::openWindow(app, step);
        EXPECT_EQ(last, message) << what;
        EXPECT_EQ(app.activeForm() ? app.activeForm()->className() : "", once.app.activeForm()->className()) << what;
        EXPECT_TRUE(backend.captureScreen() == once.backend.captureScreen()) << what;
    }
}

TEST(OpenWindow, AnUnknownNameOpensTheOverviewAndSaysSo) {
    Started s(1024, 768);
    const std::string message = app::openWindow(s.app, "TFormNichts\x1b[2J");
    EXPECT_NE(message.find("TFormNichts"), std::string::npos);
    EXPECT_EQ(message.find('\n'), std::string::npos);
    EXPECT_TRUE(s.form("TFormMetallo").visible());
    EXPECT_TRUE(s.form("TFormMetallo").active());
}

}  // namespace

// The windows a click on a picture opens open from the keyboard too: Tab moves the focus
// to the picture (a ring marks it) and Enter opens its window, as the click does.
TEST(OpenWindow, EveryPictureThatOpensAWindowIsReachedWithTabAndEnter) {
    int pictures = 0;
    for (const app::WindowEntry& e : app::windowList()) {
        const std::string steps(app::openStep(e.className));
        const size_t last = steps.rfind("clickon ");
        if (last == std::string::npos) continue;
        ++pictures;
        std::istringstream click(steps.substr(last));
        std::string word, openerName, pictureName;
        click >> word >> openerName >> pictureName;
        Started s(800, 600);
        ASSERT_EQ(app::openWindow(s.app, openerName), "") << e.className;
        // The steps before the click (the fracture pictures wait for their curves).
        std::istringstream before(steps.substr(0, last));
        for (std::string step; std::getline(before, step, ';');) {
            std::istringstream in(step);
            std::string kind, a, b;
            in >> kind >> a >> b;
            if (kind == "wait") s.app.advanceTo(s.app.now() + std::stoi(a), true);
            if (kind == "menu") s.menu(a.c_str(), b.c_str());
        }
        ui::Form& opener = s.form(openerName.c_str());
        EXPECT_TRUE(opener.focusRing().empty()) << openerName << ": no ring before the keyboard is used";
        for (int tabs = 0; tabs < 40; ++tabs) {
            const ui::Control* focus = opener.activeControl();
            if (focus && focus->name() == pictureName) break;
            s.app.keyDown(opener, ui::vk::Tab);
        }
        const ui::Control* picture = opener.findControl(pictureName);
        ASSERT_TRUE(picture) << openerName;
        ASSERT_EQ(opener.activeControl(), picture) << e.className << ": Tab never reaches " << pictureName;
        EXPECT_EQ(opener.focusRing(), picture->clientRect()) << e.className;
        EXPECT_FALSE(picture->accessibleName.empty()) << pictureName << " in " << openerName << " has no name";
        s.app.keyDown(opener, ui::vk::Return);
        s.app.flush();
        EXPECT_TRUE(s.form(e.className).visible()) << e.className << " does not open with Enter";
    }
    EXPECT_EQ(pictures, 14);
}
