#include "ui/headless/Headless.h"

namespace ui::headless {

const char* describe(MenuResult r) {
    switch (r) {
        case MenuResult::Done: return "done";
        case MenuResult::NoSuchItem: return "no such menu item";
        case MenuResult::Invisible: return "the menu item is invisible";
        case MenuResult::Disabled: return "the menu item is disabled";
        case MenuResult::FormHidden: return "the window is not shown";
        case MenuResult::FormDisabled: return "the window is disabled";
    }
    return "";
}

HeadlessBackend::HeadlessBackend(Application& app) : app_(app) { app_.setBackend(this); }

HeadlessBackend::~HeadlessBackend() { app_.setBackend(nullptr); }

void HeadlessBackend::advance(int64_t ms) {
    if (ms < 0) ms = 0;
    app_.advanceTo(app_.now() + ms, true);
}

MenuResult HeadlessBackend::clickMenu(Form& f, const std::string& itemName) {
    MenuItem* item = f.menu() ? f.menu()->find(itemName) : nullptr;
    if (!item) return MenuResult::NoSuchItem;
    if (!f.visible()) return MenuResult::FormHidden;
    if (!f.enabled()) return MenuResult::FormDisabled;
    for (MenuItem* p = item; p; p = p->parent()) {
        if (!p->visible()) return MenuResult::Invisible;
        if (!p->enabled()) return MenuResult::Disabled;
    }
    app_.menuClick(f, *item);
    return MenuResult::Done;
}

bool HeadlessBackend::pressEscape(Form& f) { return app_.keyEscape(f); }

bool HeadlessBackend::click(Form& f, int x, int y) { return app_.mouseClick(f, x, y); }

void HeadlessBackend::activate(Form& f) { app_.userActivate(f); }

raster::Bitmap HeadlessBackend::captureForm(const Form& f) const {
    raster::Bitmap b = f.buffer();
    drawStatusBar(b, f);
    drawFocusRing(b, f);
    return b;
}

raster::Bitmap HeadlessBackend::captureScreen() const {
    raster::Bitmap screen(app_.screenWidth(), app_.screenHeight(), 0xFF3A6EA5u);
    for (const Form* f : app_.zOrder()) drawFormFrame(screen, *f, f == app_.activeForm());
    return screen;
}

}  // namespace ui::headless
