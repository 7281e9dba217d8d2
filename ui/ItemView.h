// Rows of texts with a vertical scroll bar: the inside of a list box and of a drop-down
// list's open list. It keeps the first visible row; the owner keeps the selection.
#pragma once

#include <string>
#include <vector>

#include "ui/Colour.h"
#include "ui/raster/Raster.h"
#include "ui/text/Font.h"

namespace ui {

using raster::Rect;

class ItemView {
public:
    enum class Part { None, Row, LineUp, LineDown, PageUp, PageDown, Thumb };
    static constexpr int kScrollWidth = 17;

    // The area (form client coordinates) the rows and the scroll bar share.
    Rect area;
    int rowHeight = 13;
    int top = 0;

    int count() const { return static_cast<int>(items_ ? items_->size() : 0); }
    void setItems(const std::vector<std::string>* items) { items_ = items; clampTop(); }
    int rows() const;
    bool scrollBar() const { return count() > rows(); }
    Rect rowsRect() const;
    Rect rowRect(int i) const;  // empty when not visible
    // The row under a point (clamped to the first and last visible row when `clamp`).
    int rowAt(int x, int y, bool clamp) const;
    Part partAt(int x, int y) const;
    Rect thumbRect() const;
    void clampTop();
    void ensureVisible(int i);
    // Scrolls by rows; returns whether the first row changed.
    bool scroll(int rows);
    // The first row for the thumb's top at screen row `y` (dragging the thumb).
    void thumbTo(int thumbTop);
    // A press on a part of the scroll bar: the arrows scroll a row, the track a page, the
    // thumb is taken where it was pressed. Returns false for the rows and outside.
    bool pressScrollBar(Part p, int y);
    // The thumb taken by the press follows the mouse.
    void dragThumb(int y) { thumbTo(y - grab_); }

    void paint(raster::Target& t, const Font& f, int selected, bool focusRow, bool enabled, TColor background) const;

private:
    const std::vector<std::string>* items_ = nullptr;
    int grab_ = 0;
};

// The index of the next item after `from` (wrapping) whose text starts with the typed
// letter, compared without case and umlauts' dots; -1 if none.
int nextItemStartingWith(const std::vector<std::string>& items, int from, std::string_view typed);

}  // namespace ui
