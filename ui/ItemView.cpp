#include "ui/ItemView.h"

#include <algorithm>

#include "ui/Look.h"
#include "ui/text/TextEngine.h"

namespace ui {

namespace {
constexpr int kMinThumb = 8;

// Lower case without accents for the first letter of an item ("Ä" and "a" are equal).
char32_t foldLetter(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
    switch (c) {
        case U'Ä': case U'ä': return 'a';
        case U'Ö': case U'ö': return 'o';
        case U'Ü': case U'ü': return 'u';
        default: return c;
    }
}
}  // namespace

int ItemView::rows() const { return std::max(1, area.height() / std::max(1, rowHeight)); }

Rect ItemView::rowsRect() const {
    Rect r = area;
    if (scrollBar()) r.right -= kScrollWidth;
    return r;
}

Rect ItemView::rowRect(int i) const {
    if (i < top || i >= top + rows() || i >= count()) return Rect{};
    const Rect r = rowsRect();
    const int y = r.top + (i - top) * rowHeight;
    return Rect{r.left, y, r.right, y + rowHeight};
}

int ItemView::rowAt(int x, int y, bool clamp) const {
    const Rect r = rowsRect();
    if (count() == 0) return -1;
    if (!clamp && !r.contains(x, y)) return -1;
    int i = top + (y - r.top) / std::max(1, rowHeight);
    if (y < r.top) i = top - 1;
    const int last = std::min(count(), top + rows()) - 1;
    if (!clamp && i > last) return -1;
    return std::clamp(i, 0, count() - 1);
}

Rect ItemView::thumbRect() const {
    const int track = area.height() - 2 * kScrollWidth;
    const int n = count(), visible = rows();
    if (!scrollBar() || track <= 0) return Rect{};
    const int h = std::max(kMinThumb, track * visible / n);
    const int y = area.top + kScrollWidth + (track - h) * top / std::max(1, n - visible);
    return Rect{area.right - kScrollWidth, y, area.right, y + h};
}

ItemView::Part ItemView::partAt(int x, int y) const {
    if (!area.contains(x, y)) return Part::None;
    if (!scrollBar() || x < area.right - kScrollWidth) return Part::Row;
    if (y < area.top + kScrollWidth) return Part::LineUp;
    if (y >= area.bottom - kScrollWidth) return Part::LineDown;
    const Rect th = thumbRect();
    if (y < th.top) return Part::PageUp;
    if (y >= th.bottom) return Part::PageDown;
    return Part::Thumb;
}

void ItemView::clampTop() { top = std::clamp(top, 0, std::max(0, count() - rows())); }

void ItemView::ensureVisible(int i) {
    if (i < 0) return;
    if (i < top) top = i;
    else if (i >= top + rows()) top = i - rows() + 1;
    clampTop();
}

bool ItemView::scroll(int n) {
    const int before = top;
    top += n;
    clampTop();
    return top != before;
}

void ItemView::thumbTo(int thumbTop) {
    const int track = area.height() - 2 * kScrollWidth, h = thumbRect().height();
    const int range = std::max(1, track - h), n = std::max(0, count() - rows());
    top = static_cast<int>((static_cast<long long>(thumbTop - area.top - kScrollWidth) * n + range / 2) / range);
    clampTop();
}

bool ItemView::pressScrollBar(Part p, int y) {
    switch (p) {
        case Part::LineUp: scroll(-1); return true;
        case Part::LineDown: scroll(1); return true;
        case Part::PageUp: scroll(-rows()); return true;
        case Part::PageDown: scroll(rows()); return true;
        case Part::Thumb: grab_ = y - thumbRect().top; return true;
        default: return false;
    }
}

void ItemView::paint(raster::Target& t, const Font& f, int selected, bool focusRow, bool enabled, TColor background) const {
    const Rect rr = rowsRect();
    look::fill(t, rr, background);
    const int cell = look::cellHeight(f);
    for (int i = top; i < std::min(count(), top + rows()); ++i) {
        const Rect row = rowRect(i);
        const bool sel = i == selected;
        if (sel) look::fill(t, row, enabled ? look::clHighlight : look::clBtnShadow);
        Font g = f;
        g.color = sel ? look::clHighlightText : (enabled ? f.color : look::clGrayText);
        text::drawText(t, row.left + 2, row.top + (rowHeight - cell) / 2, g, (*items_)[static_cast<size_t>(i)], false, 0);
        if (sel && focusRow) look::focusRect(t, row);
    }
    if (!scrollBar()) return;
    const Rect up{area.right - kScrollWidth, area.top, area.right, area.top + kScrollWidth};
    const Rect down{area.right - kScrollWidth, area.bottom - kScrollWidth, area.right, area.bottom};
    look::fill(t, Rect{up.left, up.bottom, up.right, down.top}, look::clScrollBar);
    for (const Rect& b : {up, down}) {
        look::fill(t, b, clBtnFace);
        look::raised(t, b);
    }
    look::arrow(t, up, true, enabled && top > 0 ? clBlack : look::clGrayText);
    look::arrow(t, down, false, enabled && top < count() - rows() ? clBlack : look::clGrayText);
    const Rect th = thumbRect();
    if (!th.empty()) {
        look::fill(t, th, clBtnFace);
        look::raised(t, th);
    }
}

int nextItemStartingWith(const std::vector<std::string>& items, int from, std::string_view typed) {
    const std::u32string t = text::decodeUtf8(typed);
    if (t.empty() || items.empty()) return -1;
    const char32_t want = foldLetter(t[0]);
    const int n = static_cast<int>(items.size());
    for (int k = 1; k <= n; ++k) {
        const int i = ((from < 0 ? -1 : from) + k + n) % n;
        const std::u32string s = text::decodeUtf8(items[static_cast<size_t>(i)]);
        if (!s.empty() && foldLetter(s[0]) == want) return i;
    }
    return -1;
}

}  // namespace ui
