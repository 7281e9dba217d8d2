// The clickable controls: push buttons, check boxes, radio groups and link labels.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Controls.h"

namespace ui {

// Shared by the controls that act on press and release: "pressed" while the mouse is
// held on them, the action when it is released on them.
class PressControl : public Control {
public:
    using Control::Control;
    bool takesMouse() const override { return true; }
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool down() const { return down_; }

protected:
    virtual void activate() = 0;
    bool inside(const MouseEvent& e) const { return e.x >= 0 && e.y >= 0 && e.x < width() && e.y < height(); }

private:
    bool held_ = false;
    bool down_ = false;
};

class Button : public PressControl {
public:
    Button(Form& owner, std::string name, std::string caption, Panel* parent = nullptr);

    std::string caption() const { return caption_; }
    void setCaption(std::string c);
    // The window's default button has a dark frame and takes Enter.
    bool isDefault() const;
    void paint(const Rect& clip) override;
    bool keyDown(int key, unsigned shift) override;
    bool press() override;
    std::string kind() const override { return "Button"; }
    std::string text() const override { return caption_; }

protected:
    void activate() override;

private:
    std::string caption_;
};

class CheckBox : public PressControl {
public:
    CheckBox(Form& owner, std::string name, std::string caption, Panel* parent = nullptr);

    std::string caption() const { return caption_; }
    void setCaption(std::string c);
    bool checked() const { return checked_; }
    // Sets the state from the program (OnChange follows, OnClick does not).
    void setChecked(bool c);
    std::function<void()> OnChange;
    void paint(const Rect& clip) override;
    bool keyDown(int key, unsigned shift) override;
    bool press() override;
    std::string kind() const override { return "CheckBox"; }
    std::string value() const override { return checked_ ? "1" : "0"; }
    std::string text() const override { return caption_; }
    std::string setValue(const std::string& v) override;

protected:
    void activate() override;

private:
    std::string caption_;
    bool checked_ = false;
};

// A captioned frame with radio items, one of which is chosen; one tab stop, the arrows
// move the choice.
class RadioGroup : public Control {
public:
    RadioGroup(Form& owner, std::string name, std::string caption, Panel* parent = nullptr);

    std::string caption() const { return caption_; }
    void setItems(std::vector<std::string> items);
    int itemIndex() const { return index_; }
    void setItemIndex(int i);  // -1: none; OnChange follows
    std::function<void()> OnChange;

    void paint(const Rect& clip) override;
    bool takesMouse() const override { return true; }
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool keyDown(int key, unsigned shift) override;
    std::string kind() const override { return "RadioGroup"; }
    std::string value() const override { return std::to_string(index_); }
    std::string text() const override;
    std::string setValue(const std::string& v) override;
    std::vector<std::string> items() const override { return items_; }
    Rect itemRect(int i) const override;

private:
    int itemAt(int x, int y) const;  // form client coordinates
    std::string caption_;
    std::vector<std::string> items_;
    int index_ = -1;
    int held_ = -1;
};

// An underlined text in the link colour with a hand cursor; click, Enter or Space run OnClick.
class LinkLabel : public Label {
public:
    LinkLabel(Form& owner, std::string name, std::string caption, Panel* parent = nullptr);
    void paint(const Rect& clip) override;
    bool takesMouse() const override { return true; }
    void mouseDown(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool keyDown(int key, unsigned shift) override;
    bool press() override;

private:
    bool held_ = false;
};

// Finds a value among items: an index ("3") or an item's exact text; -2 when neither.
int itemFromValue(const std::vector<std::string>& items, const std::string& v);
// The same for a control's set value: sets `index` and returns "", or says what is wrong
// (-1, no item, is a value only where `noneAllowed`).
std::string chooseItem(const Control& c, const std::vector<std::string>& items, const std::string& v, bool noneAllowed,
                       int& index);

}  // namespace ui
