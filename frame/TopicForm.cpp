#include "frame/TopicForm.h"

#include <stdexcept>
#include <string>

namespace frame {

namespace {
std::vector<std::unique_ptr<ui::MenuItem>> buildMenu(ui::MainMenu& menu, const FrameSpec& spec) {
    std::vector<std::unique_ptr<ui::MenuItem>> items;
    for (const MenuSpec& m : spec.menu) {
        const ui::ShortCut key = m.role == ItemRole::Escape ? ui::ShortCut::Escape : ui::ShortCut::None;
        if (!m.parent) {
            items.push_back(std::make_unique<ui::MenuItem>(menu, m.name, m.caption, key));
            continue;
        }
        ui::MenuItem* parent = nullptr;
        for (auto& i : items)
            if (i->name() == m.parent) parent = i.get();
        if (!parent) throw std::logic_error(std::string(spec.className) + ": menu item " + m.name + " before its parent");
        items.push_back(std::make_unique<ui::MenuItem>(*parent, m.name, m.caption, key));
    }
    return items;
}

ui::MenuItem& withRole(const std::vector<std::unique_ptr<ui::MenuItem>>& items, const FrameSpec& spec, ItemRole r) {
    for (size_t k = 0; k < spec.menu.size(); ++k)
        if (spec.menu[k].role == r) return *items[k];
    throw std::logic_error(std::string(spec.className) + ": the frame needs an Ende and an Esc item");
}
}  // namespace

TopicForm::TopicForm(ui::Application& app, const FrameSpec& spec)
    : ui::Form(app, spec.className, spec.caption),
      items_(buildMenu(MainMenu1, spec)),
      Ende1(withRole(items_, spec, ItemRole::Close)),
      ESC1(withRole(items_, spec, ItemRole::Escape)),
      placement_(spec.placement),
      scaled_(spec.scaled) {
    designPPI = spec.designPPI;
    // The window font, 8 points at the layout's resolution.
    font.height = -((8 * designPPI + 36) / 72);
    borderStyle = spec.border;
    setColor(spec.color);
    if (spec.statusBar) StatusBar1 = std::make_unique<ui::StatusBar>(*this, spec.statusBar, kEscHint);
    for (size_t k = 0; k < spec.menu.size(); ++k) {
        if (spec.menu[k].role == ItemRole::Close) closes(*this, *items_[k]);
        if (spec.menu[k].role == ItemRole::Escape) escapeItem(*this, *items_[k]);
    }
}

ui::MenuItem& TopicForm::item(std::string_view name) const {
    for (auto& i : items_)
        if (i->name() == name) return *i;
    throw std::logic_error(className() + ": no menu item " + std::string(name));
}

void TopicForm::FormCreate() {
    if (!placement_) return;
    if (scaled_) placeBy(*placement_);
    else placeSizeOnly(*placement_);
}

void TopicForm::placeSizeOnly(Pattern p) { apply(*this, place(p, screenWidth(), screenHeight())); }

void TopicForm::placeBy(Pattern p) {
    const Placement pl = place(p, screenWidth(), screenHeight());
    ScaleX = pl.scale.x;
    ScaleY = pl.scale.y;
    apply(*this, pl);
}

}  // namespace frame
