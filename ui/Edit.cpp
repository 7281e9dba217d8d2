#include "ui/Edit.h"

#include <algorithm>
#include <cstdlib>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Look.h"
#include "ui/text/TextEngine.h"

namespace ui {

namespace {
constexpr int kPadding = 3;  // from the edge to the text, inside the sunken border

std::string toUtf8(std::u32string_view s) {
    std::string out;
    for (char32_t c : s) appendUtf8(out, c);
    return out;
}

bool wordChar(char32_t c) { return c != ' ' && c != '\t'; }
}  // namespace

Edit::Edit(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {
    tabStop = true;
    cursor = Cursor::Default;
}

std::string Edit::text() const { return toUtf8(text_); }

std::string Edit::selectedText() const { return toUtf8(std::u32string_view(text_).substr(static_cast<size_t>(selStart()), static_cast<size_t>(selLength()))); }

void Edit::setText(const std::string& utf8) {
    std::u32string t = text::decodeUtf8(utf8);
    if (maxLength > 0 && static_cast<int>(t.size()) > maxLength) t.resize(static_cast<size_t>(maxLength));
    if (t == text_) return;
    text_ = std::move(t);
    caret_ = anchor_ = static_cast<int>(text_.size());
    scrollToCaret();
    changed();
    if (OnChange) OnChange();
}

void Edit::select(int anchor, int caret) {
    const int n = static_cast<int>(text_.size());
    anchor_ = std::clamp(anchor, 0, n);
    caret_ = std::clamp(caret, 0, n);
    scrollToCaret();
    changed();
}

int Edit::xOf(int index) const {
    return text::textWidth(formFont(), toUtf8(std::u32string_view(text_).substr(0, static_cast<size_t>(index))));
}

int Edit::indexAt(int localX) const {
    const int x = localX - kPadding + scroll_;
    int best = 0, bestDist = std::abs(x);
    for (int i = 1; i <= static_cast<int>(text_.size()); ++i) {
        const int d = std::abs(x - xOf(i));
        if (d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    return best;
}

void Edit::scrollToCaret() {
    const int inner = std::max(1, width() - 2 * kPadding - 1);
    const int cx = xOf(caret_);
    if (cx - scroll_ > inner) scroll_ = cx - inner;
    if (cx < scroll_) scroll_ = std::max(0, cx - inner / 3);
    // No empty room at the end while the text is longer than the field.
    scroll_ = std::max(0, std::min(scroll_, xOf(static_cast<int>(text_.size())) - inner));
}

void Edit::replaceSelection(const std::u32string& s) {
    std::u32string in;
    for (char32_t c : s)
        if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) in.push_back(c);  // one line: no control characters
    const size_t a = static_cast<size_t>(selStart()), len = static_cast<size_t>(selLength());
    if (maxLength > 0) {
        const size_t room = static_cast<size_t>(std::max(0, maxLength - static_cast<int>(text_.size() - len)));
        if (in.size() > room) in.resize(room);
    }
    if (in.empty() && len == 0) return;
    text_.replace(a, len, in);
    caret_ = anchor_ = static_cast<int>(a + in.size());
    scrollToCaret();
    changed();
    if (OnChange) OnChange();
}

void Edit::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    look::fill(t, r, usable() ? clWindow : clBtnFace);
    look::sunken(t, r);
    const Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    raster::Target it = target(clip.intersected(inner));
    if (it.clip.empty()) return;
    const Font& f = formFont();
    const int h = look::cellHeight(f), x0 = r.left + kPadding - scroll_, y = r.top + (r.height() - h) / 2;
    Font g = f;
    g.color = usable() ? f.color : look::clGrayText;
    const std::string all = text();
    text::drawText(it, x0, y, g, all, false, 0);
    if (focused() && selLength() > 0) {
        // The selection: highlighted background, its text drawn again in the highlight text colour.
        const int sx = x0 + xOf(selStart()), ex = x0 + xOf(selStart() + selLength());
        look::fill(it, Rect{sx, y, ex, y + h}, look::clHighlight);
        g.color = look::clHighlightText;
        text::drawText(it, sx, y, g, selectedText(), false, 0);
    }
    if (focused() && usable()) {
        const int cx = x0 + xOf(caret_);
        look::fill(it, Rect{cx, y, cx + 1, y + h}, clBlack);
    }
}

void Edit::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    const int i = indexAt(e.x);
    selecting_ = true;
    select(e.shift & ssShift ? anchor_ : i, i);
}

void Edit::mouseMove(const MouseEvent& e) {
    if (selecting_) select(anchor_, indexAt(e.x));
}

void Edit::mouseUp(const MouseEvent&) { selecting_ = false; }

bool Edit::keyDown(int key, unsigned shift) {
    if (OnKeyDown && OnKeyDown(key, shift)) return true;
    const bool extend = shift & ssShift, ctrl = shift & ssCtrl;
    const int n = static_cast<int>(text_.size());
    auto move = [&](int to) {
        select(extend ? anchor_ : to, to);
        return true;
    };
    auto wordLeft = [&] {
        int i = caret_;
        while (i > 0 && !wordChar(text_[static_cast<size_t>(i - 1)])) --i;
        while (i > 0 && wordChar(text_[static_cast<size_t>(i - 1)])) --i;
        return i;
    };
    auto wordRight = [&] {
        int i = caret_;
        while (i < n && wordChar(text_[static_cast<size_t>(i)])) ++i;
        while (i < n && !wordChar(text_[static_cast<size_t>(i)])) ++i;
        return i;
    };
    if (shift & ssAlt) return false;
    switch (key) {
        case vk::Left:
            if (!extend && selLength() > 0) return move(selStart());
            return move(ctrl ? wordLeft() : std::max(0, caret_ - 1));
        case vk::Right:
            if (!extend && selLength() > 0) return move(selStart() + selLength());
            return move(ctrl ? wordRight() : std::min(n, caret_ + 1));
        case vk::Home: return move(0);
        case vk::End: return move(n);
        case vk::Back:
            if (selLength() == 0) {
                if (caret_ == 0) return true;
                anchor_ = ctrl ? wordLeft() : caret_ - 1;
            }
            replaceSelection(U"");
            return true;
        case vk::Delete:
            if (selLength() == 0) {
                if (caret_ == n) return true;
                anchor_ = ctrl ? wordRight() : caret_ + 1;
            }
            replaceSelection(U"");
            return true;
        default: break;
    }
    if (!ctrl) return false;
    Backend& b = owner_.application().backend();
    switch (key) {
        case 'A': selectAll(); return true;
        case 'C':
            if (selLength() > 0) b.setClipboardText(selectedText());
            return true;
        case 'X':
            if (selLength() > 0) {
                b.setClipboardText(selectedText());
                replaceSelection(U"");
            }
            return true;
        case 'V': {
            // A pasted text of several lines keeps its first line.
            std::string clip = b.clipboardText();
            if (const size_t nl = clip.find_first_of("\r\n"); nl != std::string::npos) clip.erase(nl);
            replaceSelection(text::decodeUtf8(clip));
            return true;
        }
        default: return false;
    }
}

bool Edit::textInput(std::string_view utf8) {
    replaceSelection(text::decodeUtf8(utf8));
    return true;
}

std::string Edit::setValue(const std::string& v) {
    if (maxLength > 0 && static_cast<int>(text::decodeUtf8(v).size()) > maxLength)
        return name() + " takes at most " + std::to_string(maxLength) + " characters";
    // As a user replaces the whole text (control characters are not taken).
    select(0, static_cast<int>(text_.size()));
    replaceSelection(text::decodeUtf8(v));
    return "";
}

}  // namespace ui
