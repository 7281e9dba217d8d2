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
