// A drop-down list of fixed items. Its list opens over the window (below the field, or
// above it when the window has no room below) and closes on a choice, Esc or a click
// elsewhere.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/ItemView.h"

namespace ui {

class ComboBox : public Control {
public:
    ComboBox(Form& owner, std::string name, Panel* parent = nullptr);

    void setItems(std::vector<std::string> items);
    int itemIndex() const { return index_; }
    void setItemIndex(int i);  // OnChange follows a change
    int dropDownCount = 8;
    std::function<void()> OnChange;

    bool droppedDown() const;
    void dropDown();
    // Closes the open list; with `choose` the highlighted item becomes the chosen one.
    void closeUp(bool choose);
    // The open list (form client coordinates) and what the form does with it.
    Rect listRect() const;
    void paintList(const Rect& clip);
    void listMouseDown(int x, int y);
    void listMouseMove(int x, int y);
    void listMouseUp(int x, int y);
    bool listWheel(int notches);
    int highlighted() const { return hot_; }

    void paint(const Rect& clip) override;
    bool takesMouse() const override { return true; }
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool mouseWheel(int notches, const MouseEvent& e) override;
    bool keyDown(int key, unsigned shift) override;
    bool textInput(std::string_view utf8) override;
    std::string kind() const override { return "ComboBox"; }
    std::string value() const override { return std::to_string(index_); }
    std::string text() const override;
    std::string setValue(const std::string& v) override;
    std::vector<std::string> items() const override { return items_; }
    Rect itemRect(int i) const override;

private:
    void layoutList() const;
    // Moves the choice (closed) or the highlight (open).
    void step(int to);
    std::vector<std::string> items_;
    int index_ = -1;
    int hot_ = -1;
    mutable ItemView view_;
    ItemView::Part held_ = ItemView::Part::None;
    bool fromField_ = false;  // the list was opened by this press
};

}  // namespace ui
