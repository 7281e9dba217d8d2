#include "ui/ListBox.h"

#include <algorithm>

#include "ui/Buttons.h"
#include "ui/Look.h"

namespace ui {

ListBox::ListBox(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {
    tabStop = true;
    view_.setItems(&items_);
}

void ListBox::layout() const {
    const Rect r = clientRect();
    view_.area = Rect{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    view_.rowHeight = look::cellHeight(formFont());
    view_.setItems(&items_);
}

void ListBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    view_.top = 0;
    layout();
    const bool had = index_ != -1;
    index_ = -1;
    changed();
    if (had && OnChange) OnChange();
}

void ListBox::setItemIndex(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size())) return;
    layout();
    view_.ensureVisible(i);
    if (i == index_) {
        invalidate();
        return;
    }
    index_ = i;
    changed();
    if (OnChange) OnChange();
}

std::string ListBox::text() const { return index_ >= 0 ? items_[static_cast<size_t>(index_)] : std::string(); }

Rect ListBox::itemRect(int i) const {
    layout();
    return view_.rowRect(i);
}

void ListBox::paint(const Rect& clip) {
    layout();
    const Rect r = clientRect();
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    look::sunken(t, r);
    view_.paint(t, formFont(), index_, focused(), usable(), usable() ? clWindow : clBtnFace);
    // An empty list with the focus shows the focus on its first row.
    if (focused() && index_ < 0) {
        const Rect rr = view_.rowsRect();
        look::focusRect(t, Rect{rr.left, rr.top, rr.right, rr.top + view_.rowHeight});
    }
}

void ListBox::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    layout();
    const Rect r = clientRect();
    const int x = r.left + e.x, y = r.top + e.y;
    held_ = view_.partAt(x, y);
    if (held_ == ItemView::Part::Row) {
        const int i = view_.rowAt(x, y, false);
        if (i >= 0) setItemIndex(i);
    } else {
        view_.pressScrollBar(held_, y);
    }
    invalidate();
}

void ListBox::mouseMove(const MouseEvent& e) {
    const Rect r = clientRect();
    const int x = r.left + e.x, y = r.top + e.y;
    if (held_ == ItemView::Part::Row) {
        // Dragging along the list chooses the item under the mouse, scrolling at the ends.
        const int i = view_.rowAt(x, y, true);
        if (i >= 0) setItemIndex(i);
    } else if (held_ == ItemView::Part::Thumb) {
        view_.dragThumb(y);
        invalidate();
    }
}

void ListBox::mouseUp(const MouseEvent&) { held_ = ItemView::Part::None; }

bool ListBox::mouseWheel(int notches, const MouseEvent&) {
    layout();
    if (view_.scroll(notches * 3)) invalidate();
    return true;
}

bool ListBox::keyDown(int key, unsigned shift) {
    if (OnKeyDown && OnKeyDown(key, shift)) return true;
    if (shift & (ssCtrl | ssAlt) || items_.empty()) return false;
    layout();
    const int n = static_cast<int>(items_.size()), page = std::max(1, view_.rows() - 1);
    switch (key) {
        case vk::Up: setItemIndex(std::max(0, index_ - 1)); return true;
        case vk::Down: setItemIndex(std::min(n - 1, index_ + 1)); return true;
        case vk::Prior: setItemIndex(std::max(0, index_ - page)); return true;
        case vk::Next: setItemIndex(std::min(n - 1, std::max(0, index_) + page)); return true;
        case vk::Home: setItemIndex(0); return true;
        case vk::End: setItemIndex(n - 1); return true;
        default: return false;
    }
}

bool ListBox::textInput(std::string_view utf8) {
    const int i = nextItemStartingWith(items_, index_, utf8);
    if (i >= 0) setItemIndex(i);
    return true;
}

std::string ListBox::setValue(const std::string& v) {
    int i = -1;
    if (std::string why = chooseItem(*this, items_, v, true, i); !why.empty()) return why;
    setItemIndex(i);
    return "";
}

}  // namespace ui
