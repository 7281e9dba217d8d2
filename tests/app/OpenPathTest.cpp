// Opening a window by its class name, as `--open` and the browser's links do.
#include <gtest/gtest.h>

#include "ProgramFixture.h"
#include "app/OpenPath.h"
#include "app/WindowList.h"

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
