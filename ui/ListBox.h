// A list of texts with one chosen item and a vertical scroll bar.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/ItemView.h"

namespace ui {

class ListBox : public Control {
public:
    ListBox(Form& owner, std::string name, Panel* parent = nullptr);

    void setItems(std::vector<std::string> items);
    int itemIndex() const { return index_; }
    // Chooses an item (-1: none) and scrolls it into view; OnChange follows a change.
    void setItemIndex(int i);
    int topIndex() const { return view_.top; }
    std::function<void()> OnChange;
    // Keys before the list uses them (Enter on an item); returns whether it was used.
    std::function<bool(int key, unsigned shift)> OnKeyDown;

    void paint(const Rect& clip) override;
    bool takesMouse() const override { return true; }
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool mouseWheel(int notches, const MouseEvent& e) override;
    bool keyDown(int key, unsigned shift) override;
    bool textInput(std::string_view utf8) override;
    std::string kind() const override { return "ListBox"; }
    std::string value() const override { return std::to_string(index_); }
    std::string text() const override;
    std::string setValue(const std::string& v) override;
    std::vector<std::string> items() const override { return items_; }
    Rect itemRect(int i) const override;

private:
    void layout() const;
    std::vector<std::string> items_;
    int index_ = -1;
    mutable ItemView view_;
    ItemView::Part held_ = ItemView::Part::None;
};

}  // namespace ui
