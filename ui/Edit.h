// A one-line text field: caret, selection, typing, deleting, the clipboard, a maximum
// length in characters. Text is UTF-8 (umlauts, µ); the caret moves by characters.
#pragma once

#include <functional>
#include <string>

#include "ui/Controls.h"

namespace ui {

class Edit : public Control {
public:
    Edit(Form& owner, std::string name, Panel* parent = nullptr);

    std::string text() const override;
    // Sets the text from the program (caret to its end; OnChange follows a change).
    void setText(const std::string& utf8);
    int maxLength = 0;  // characters; 0: no limit
    int selStart() const { return std::min(caret_, anchor_); }
    int selLength() const { return std::abs(caret_ - anchor_); }
    int caret() const { return caret_; }
    void select(int anchor, int caret);
    void selectAll() { select(0, static_cast<int>(text_.size())); }
    std::string selectedText() const;
    std::function<void()> OnChange;
    // Keys before the field uses them (Down into a list); returns whether it was used.
    std::function<bool(int key, unsigned shift)> OnKeyDown;

    void paint(const Rect& clip) override;
    bool takesMouse() const override { return true; }
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool keyDown(int key, unsigned shift) override;
    bool textInput(std::string_view utf8) override;
    std::string kind() const override { return "Edit"; }
    std::string setValue(const std::string& v) override;

private:
    // Replaces the selection with `s` (as far as the maximum length allows).
    void replaceSelection(const std::u32string& s);
    int xOf(int index) const;      // text x of the caret before character `index`
    int indexAt(int localX) const;  // the caret position nearest to a point
    void scrollToCaret();
    std::u32string text_;
    int caret_ = 0;
    int anchor_ = 0;
    int scroll_ = 0;
    bool selecting_ = false;
};

}  // namespace ui
