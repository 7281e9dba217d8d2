#include "ui/ComboBox.h"

#include <algorithm>

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Look.h"
#include "ui/text/TextEngine.h"

namespace ui {

namespace {
constexpr int kButtonWidth = 17;
}

ComboBox::ComboBox(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {
    tabStop = true;
    view_.setItems(&items_);
}

void ComboBox::setItems(std::vector<std::string> items) {
    if (droppedDown()) closeUp(false);
    items_ = std::move(items);
    view_.setItems(&items_);
    const bool had = index_ != -1;
    index_ = -1;
    changed();
    if (had && OnChange) OnChange();
}

void ComboBox::setItemIndex(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size()) || i == index_) return;
    index_ = i;
    changed();
    if (OnChange) OnChange();
}

std::string ComboBox::text() const { return index_ >= 0 ? items_[static_cast<size_t>(index_)] : std::string(); }

bool ComboBox::droppedDown() const { return owner_.droppedDown() == this; }

void ComboBox::layoutList() const {
    const Rect r = clientRect();
    const int rowH = look::cellHeight(formFont());
    const int n = std::clamp(static_cast<int>(items_.size()), 1, std::max(1, dropDownCount));
    const int h = n * rowH + 2;
    // Below the field when it fits into the window, else above it.
    const int limit = owner_.clientHeight() - owner_.statusBarHeight();
    const int top = r.bottom + h <= limit || r.top - h < 0 ? r.bottom : r.top - h;
    view_.area = Rect{r.left + 1, top + 1, r.right - 1, top + h - 1};
    view_.rowHeight = rowH;
    view_.clampTop();
}

Rect ComboBox::listRect() const {
    layoutList();
    const Rect a = view_.area;
    return Rect{a.left - 1, a.top - 1, a.right + 1, a.bottom + 1};
}

Rect ComboBox::itemRect(int i) const {
    if (!droppedDown()) return Rect{};
    layoutList();
    return view_.rowRect(i);
}

void ComboBox::dropDown() {
    if (droppedDown() || !usable() || items_.empty()) return;
    setFocus();
    hot_ = index_;
    layoutList();
    view_.top = 0;
    view_.ensureVisible(hot_);
    owner_.setDroppedDown(this);
    changed();
}

void ComboBox::closeUp(bool choose) {
    if (!droppedDown()) return;
    owner_.setDroppedDown(nullptr);
    held_ = ItemView::Part::None;
    changed();
    if (choose && hot_ >= 0) setItemIndex(hot_);
}

void ComboBox::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    look::fill(t, r, usable() ? clWindow : clBtnFace);
    look::sunken(t, r);
    const Rect button{r.right - 2 - kButtonWidth, r.top + 2, r.right - 2, r.bottom - 2};
    look::fill(t, button, clBtnFace);
    if (droppedDown()) look::edge(t, button, look::clBtnShadow, look::clBtnShadow);
    else look::raised(t, button);
    look::arrow(t, Rect{button.left + (droppedDown() ? 1 : 0), button.top + (droppedDown() ? 1 : 0), button.right, button.bottom},
                false, usable() ? clBlack : look::clGrayText);
    const Font& f = formFont();
    const int h = look::cellHeight(f);
    const Rect field{r.left + 3, r.top + 3, button.left - 1, r.bottom - 3};
    // The field shows the chosen item, highlighted while the control has the focus.
    const bool hot = focused() && !droppedDown() && usable();
    if (hot) look::fill(t, field, look::clHighlight);
    Font g = f;
    g.color = hot ? look::clHighlightText : (usable() ? f.color : look::clGrayText);
    raster::Target ft = target(clip.intersected(field));
    if (!ft.clip.empty()) text::drawText(ft, field.left + 1, field.top + (field.height() - h) / 2, g, text(), false, 0);
    if (focused() && !droppedDown()) look::focusRect(t, field);
}

void ComboBox::paintList(const Rect& clip) {
    layoutList();
    const Rect lr = listRect();
    // The list lies outside the control's own bounds: a target of its own.
    raster::Bitmap* b = owner_.canvasBitmap();
    raster::Target lt(*b, 0, 0, clip.intersected(lr).intersected(Rect{0, 0, b->width, b->height}));
    if (lt.clip.empty()) return;
    look::edge(lt, lr, clBlack, clBlack);
    view_.paint(lt, formFont(), hot_, false, true, clWindow);
}

void ComboBox::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    // A press on the field opens the list (and closes it again when it is open).
    if (droppedDown()) {
        closeUp(false);
        return;
    }
    fromField_ = true;
    dropDown();
}

void ComboBox::mouseMove(const MouseEvent& e) {
    // Dragging from the field into the open list highlights the item under the mouse.
    if (!fromField_ || !droppedDown()) return;
    const Rect r = clientRect();
    listMouseMove(r.left + e.x, r.top + e.y);
}

void ComboBox::mouseUp(const MouseEvent& e) {
    if (!fromField_) return;
    fromField_ = false;
    if (!droppedDown()) return;
    const Rect r = clientRect();
    // Released on an item after dragging into the list: that item is chosen.
    const int x = r.left + e.x, y = r.top + e.y;
    if (view_.partAt(x, y) == ItemView::Part::Row) listMouseUp(x, y);
}

void ComboBox::listMouseDown(int x, int y) {
    layoutList();
    held_ = view_.partAt(x, y);
    if (held_ == ItemView::Part::Row) hot_ = view_.rowAt(x, y, false);
    else view_.pressScrollBar(held_, y);
    owner_.Invalidate(listRect());
}

void ComboBox::listMouseMove(int x, int y) {
    layoutList();
    if (held_ == ItemView::Part::Thumb) {
        view_.dragThumb(y);
    } else if (held_ == ItemView::Part::Row || held_ == ItemView::Part::None || fromField_) {
        // The highlight follows the mouse over the list.
        const int i = view_.rowAt(x, y, held_ == ItemView::Part::Row);
        if (i < 0 || i == hot_) return;
        hot_ = i;
    } else {
        return;
    }
    owner_.Invalidate(listRect());
}

void ComboBox::listMouseUp(int x, int y) {
    layoutList();
    const ItemView::Part was = held_;
    held_ = ItemView::Part::None;
    if ((was == ItemView::Part::Row || fromField_) && view_.partAt(x, y) == ItemView::Part::Row) {
        hot_ = view_.rowAt(x, y, false);
        closeUp(true);
    }
}

bool ComboBox::listWheel(int notches) {
    layoutList();
    if (view_.scroll(notches * 3)) owner_.Invalidate(listRect());
    return true;
}

bool ComboBox::mouseWheel(int notches, const MouseEvent&) {
    if (droppedDown()) return listWheel(notches);
    step(std::clamp(index_ + (notches > 0 ? 1 : -1), 0, static_cast<int>(items_.size()) - 1));
    return true;
}

void ComboBox::step(int to) {
    if (items_.empty()) return;
    to = std::clamp(to, 0, static_cast<int>(items_.size()) - 1);
    if (droppedDown()) {
        hot_ = to;
        layoutList();
        view_.ensureVisible(hot_);
        owner_.Invalidate(listRect());
    } else {
        setItemIndex(to);
    }
}

bool ComboBox::keyDown(int key, unsigned shift) {
    const bool open = droppedDown();
    if (key == vk::F4 || ((key == vk::Down || key == vk::Up) && (shift & ssAlt))) {
        if (open) closeUp(true);
        else dropDown();
        return true;
    }
    if (shift & (ssCtrl | ssAlt)) return false;
    const int cur = open ? hot_ : index_;
    const int n = static_cast<int>(items_.size()), page = std::max(1, dropDownCount - 1);
    switch (key) {
        case vk::Up:
        case vk::Left: step(cur <= 0 ? 0 : cur - 1); return true;
        case vk::Down:
        case vk::Right: step(cur + 1); return true;
        case vk::Prior: step(cur - page); return true;
        case vk::Next: step(std::max(0, cur) + page); return true;
        case vk::Home: step(0); return true;
        case vk::End: step(n - 1); return true;
        case vk::Return:
            if (!open) return false;
            closeUp(true);
            return true;
        case vk::Escape:
            if (!open) return false;
            closeUp(false);
            return true;
        default: return false;
    }
}

bool ComboBox::textInput(std::string_view utf8) {
    const int i = nextItemStartingWith(items_, droppedDown() ? hot_ : index_, utf8);
    if (i >= 0) step(i);
    return true;
}

std::string ComboBox::setValue(const std::string& v) {
    int i = -1;
    if (std::string why = chooseItem(*this, items_, v, false, i); !why.empty()) return why;
    if (droppedDown()) closeUp(false);
    setItemIndex(i);
    return "";
}

}  // namespace ui
