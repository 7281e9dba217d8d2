#include "ui/Menu.h"

#include <algorithm>

#include "ui/Form.h"

namespace ui {

MenuItem::MenuItem(MainMenu& menu, std::string name, std::string caption, ShortCut shortCut)
    : menu_(menu), name_(std::move(name)), caption_(std::move(caption)), shortCut_(shortCut) {
    menu_.items_.push_back(this);
}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string caption, ShortCut shortCut)
    : menu_(parent.menu_), parent_(&parent), name_(std::move(name)), caption_(std::move(caption)),
      shortCut_(shortCut) {
    parent.items_.push_back(this);
}

void MenuItem::changed() { menu_.owner().menuChanged(); }

void MenuItem::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    changed();
}

void MenuItem::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed();
}

void MenuItem::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    changed();
}

MainMenu::MainMenu(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) { owner.attach(this); }

static void collect(const std::vector<MenuItem*>& items, std::vector<MenuItem*>& out) {
    for (MenuItem* i : items) {
        out.push_back(i);
        collect(i->items(), out);
    }
}

std::vector<MenuItem*> MainMenu::allItems() const {
    std::vector<MenuItem*> out;
    collect(items_, out);
    return out;
}

MenuItem* MainMenu::find(const std::string& name) const {
    for (MenuItem* i : allItems())
        if (i->name() == name) return i;
    return nullptr;
}

MenuItem* MainMenu::findShortCut(ShortCut s) const {
    if (s == ShortCut::None) return nullptr;
    for (MenuItem* i : allItems()) {
        if (i->shortCut() != s || !i->enabled()) continue;
        // An item inside a disabled submenu takes no shortcut.
        bool reachable = true;
        for (MenuItem* p = i->parent(); p; p = p->parent())
            if (!p->enabled()) reachable = false;
        if (reachable) return i;
    }
    return nullptr;
}

bool MainMenu::hasVisibleItems() const {
    for (MenuItem* i : items_)
        if (i->visible()) return true;
    return false;
}

std::string menuText(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

}  // namespace ui
