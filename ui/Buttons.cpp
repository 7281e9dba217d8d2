#include "ui/Buttons.h"

#include <algorithm>
#include <charconv>

#include "ui/Form.h"
#include "ui/Look.h"
#include "ui/text/TextEngine.h"

namespace ui {

namespace {
Rect inset(const Rect& r, int d) { return Rect{r.left + d, r.top + d, r.right - d, r.bottom - d}; }
}  // namespace

int itemFromValue(const std::vector<std::string>& items, const std::string& v) {
    int i = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), i);
    if (ec == std::errc() && p == v.data() + v.size() && !v.empty()) return i >= -1 && i < static_cast<int>(items.size()) ? i : -2;
    for (size_t k = 0; k < items.size(); ++k)
        if (items[k] == v) return static_cast<int>(k);
    return -2;
}

std::string chooseItem(const Control& c, const std::vector<std::string>& items, const std::string& v, bool noneAllowed,
                       int& index) {
    index = itemFromValue(items, v);
    if (index == -1 && !noneAllowed) return c.name() + " needs an item";
    if (index >= -1) return "";
    return "'" + v + "' is no item of " + c.name() + " (" + (noneAllowed ? "-1" : "0") + " to " +
           std::to_string(static_cast<int>(items.size()) - 1) + " or an item's text)";
}

// ---- PressControl

void PressControl::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    held_ = true;
    down_ = true;
    changed();
}

void PressControl::mouseMove(const MouseEvent& e) {
    if (!held_ || inside(e) == down_) return;
    down_ = inside(e);
    invalidate();
}

void PressControl::mouseUp(const MouseEvent& e) {
    if (!held_ || e.button != MouseButton::Left) return;
    held_ = false;
    down_ = false;
    invalidate();
    if (inside(e)) activate();
}

// ---- Button

Button::Button(Form& owner, std::string name, std::string caption, Panel* parent)
    : PressControl(owner, std::move(name), parent), caption_(std::move(caption)) {
    tabStop = true;
}

void Button::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    changed();
}

bool Button::isDefault() const { return owner_.defaultButton == this; }

void Button::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    look::fill(t, r, clBtnFace);
    Rect face = r;
    // The default button (and one with the focus) wears a dark frame.
    if (isDefault() || focused()) {
        look::edge(t, r, clBlack, clBlack);
        face = inset(r, 1);
    }
    if (down()) {
        look::edge(t, face, look::clBtnShadow, look::clBtnShadow);
    } else {
        look::raised(t, face);
    }
    const Font& f = formFont();
    const int shift = down() ? 1 : 0;
    const int w = look::captionWidth(f, caption_), h = look::cellHeight(f);
    const int x = r.left + (r.width() - w) / 2 + shift, y = r.top + (r.height() - h) / 2 + shift;
    look::text(t, x, y, f, caption_, usable(), f.color);
    if (focused()) look::focusRect(t, inset(r, 4));
}

bool Button::keyDown(int key, unsigned shift) {
    if ((key == vk::Space || key == vk::Return) && !(shift & (ssCtrl | ssAlt))) return press();
    return false;
}

bool Button::press() {
    if (!usable()) return false;
    activate();
    return true;
}

void Button::activate() {
    if (OnClick) OnClick();
}

// ---- CheckBox

CheckBox::CheckBox(Form& owner, std::string name, std::string caption, Panel* parent)
    : PressControl(owner, std::move(name), parent), caption_(std::move(caption)) {
    tabStop = true;
}

void CheckBox::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    changed();
}

void CheckBox::setChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    changed();
    if (OnChange) OnChange();
}

void CheckBox::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    look::fill(t, r, parentBackground());
    const Rect box{r.left, r.top + (r.height() - 13) / 2, r.left + 13, r.top + (r.height() - 13) / 2 + 13};
    look::fill(t, box, usable() && !down() ? clWindow : clBtnFace);
    look::sunken(t, box);
    if (checked_) look::checkMark(t, box, usable() ? clWindowText : look::clGrayText);
    const Font& f = formFont();
    const int h = look::cellHeight(f), x = r.left + 17, y = r.top + (r.height() - h) / 2;
    const int w = look::text(t, x, y, f, caption_, usable(), f.color);
    if (focused()) look::focusRect(t, Rect{x - 1, y - 1, x + w + 1, y + h + 1}.intersected(r));
}

bool CheckBox::keyDown(int key, unsigned shift) {
    if (key == vk::Space && !(shift & (ssCtrl | ssAlt))) return press();
    return false;
}

bool CheckBox::press() {
    if (!usable()) return false;
    activate();
    return true;
}

void CheckBox::activate() {
    setChecked(!checked_);
    if (OnClick) OnClick();
}

std::string CheckBox::setValue(const std::string& v) {
    if (v != "0" && v != "1") return name() + " takes 0 or 1";
    if ((v == "1") != checked_) activate();
    return "";
}

// ---- RadioGroup

RadioGroup::RadioGroup(Form& owner, std::string name, std::string caption, Panel* parent)
    : Control(owner, std::move(name), parent), caption_(std::move(caption)) {
    tabStop = true;
}

void RadioGroup::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (index_ >= static_cast<int>(items_.size())) index_ = -1;
    changed();
}

void RadioGroup::setItemIndex(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size()) || i == index_) return;
    index_ = i;
    changed();
    if (OnChange) OnChange();
}

std::string RadioGroup::text() const { return index_ >= 0 ? items_[static_cast<size_t>(index_)] : std::string(); }

Rect RadioGroup::itemRect(int i) const {
    const Rect r = clientRect();
    const int n = static_cast<int>(items_.size());
    if (i < 0 || i >= n) return Rect{};
    // The items share the frame's inside below the caption evenly.
    const int top = r.top + look::cellHeight(formFont()), bottom = r.bottom - 4;
    const int y0 = top + (bottom - top) * i / n, y1 = top + (bottom - top) * (i + 1) / n;
    return Rect{r.left + 8, y0, r.right - 4, y1};
}

int RadioGroup::itemAt(int x, int y) const {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        if (itemRect(i).contains(x, y)) return i;
    return -1;
}

void RadioGroup::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    const Font& f = formFont();
    const int h = look::cellHeight(f);
    look::fill(t, r, parentBackground());
    look::etched(t, Rect{r.left, r.top + h / 2, r.right, r.bottom});
    if (!caption_.empty()) {
        const int w = look::captionWidth(f, caption_);
        look::fill(t, Rect{r.left + 6, r.top, r.left + 10 + w, r.top + h}, parentBackground());
        look::text(t, r.left + 8, r.top, f, caption_, usable(), f.color);
    }
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        const Rect ir = itemRect(i);
        const int cy = ir.top + (ir.height() - 12) / 2;
        look::radio(t, ir.left, cy, i == index_, usable(), i == held_);
        const int ty = ir.top + (ir.height() - h) / 2;
        const int w = look::text(t, ir.left + 17, ty, f, items_[static_cast<size_t>(i)], usable(), f.color);
        const bool marked = i == index_ || (index_ < 0 && i == 0);
        if (focused() && marked) look::focusRect(t, Rect{ir.left + 16, ty - 1, ir.left + 18 + w, ty + h + 1}.intersected(ir));
    }
}

void RadioGroup::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    const Rect r = clientRect();
    held_ = itemAt(r.left + e.x, r.top + e.y);
    invalidate();
}

void RadioGroup::mouseMove(const MouseEvent&) {}

void RadioGroup::mouseUp(const MouseEvent& e) {
    if (held_ < 0) return;
    const Rect r = clientRect();
    const int at = itemAt(r.left + e.x, r.top + e.y), was = held_;
    held_ = -1;
    invalidate();
    if (at == was) setItemIndex(at);
}

bool RadioGroup::keyDown(int key, unsigned shift) {
    if (shift & (ssCtrl | ssAlt) || items_.empty()) return false;
    const int n = static_cast<int>(items_.size());
    switch (key) {
        case vk::Up:
        case vk::Left: setItemIndex(index_ <= 0 ? 0 : index_ - 1); return true;
        case vk::Down:
        case vk::Right: setItemIndex(index_ < 0 ? 0 : std::min(n - 1, index_ + 1)); return true;
        case vk::Home:
        case vk::Prior: setItemIndex(0); return true;
        case vk::End:
        case vk::Next: setItemIndex(n - 1); return true;
        case vk::Space: if (index_ < 0) setItemIndex(0); return true;
        default: return false;
    }
}

std::string RadioGroup::setValue(const std::string& v) {
    int i = -1;
    if (std::string why = chooseItem(*this, items_, v, false, i); !why.empty()) return why;
    setItemIndex(i);
    return "";
}

// ---- LinkLabel

LinkLabel::LinkLabel(Form& owner, std::string name, std::string caption, Panel* parent)
    : Label(owner, std::move(name), std::move(caption), parent) {
    tabStop = true;
    cursor = Cursor::HandPoint;
    padding = 1;
}

void LinkLabel::paint(const Rect& clip) {
    Font f = font();
    f.color = usable() ? look::clHotLight : look::clGrayText;
    paintCaption(clip, f);
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    const Rect r = clientRect();
    const int cell = look::cellHeight(f), base = text::metrics(f).ascent + 1;
    int y = r.top + padding;
    for (const std::string& line : lines()) {
        look::fill(t, Rect{r.left + padding, y + base, r.left + padding + text::textWidth(f, line), y + base + 1}, f.color);
        y += cell;
    }
    if (focused()) look::focusRect(t, r);
}

void LinkLabel::mouseDown(const MouseEvent& e) { held_ = e.button == MouseButton::Left; }

void LinkLabel::mouseUp(const MouseEvent& e) {
    const bool was = held_;
    held_ = false;
    if (was && e.x >= 0 && e.y >= 0 && e.x < width() && e.y < height()) press();
}

bool LinkLabel::keyDown(int key, unsigned shift) {
    if ((key == vk::Return || key == vk::Space) && !(shift & (ssCtrl | ssAlt))) return press();
    return false;
}

bool LinkLabel::press() {
    if (!usable()) return false;
    if (OnClick) OnClick();
    return true;
}

}  // namespace ui
