// The frame every topic window shares: tool-window border, caption, colour, the menu in
// its stored order with the "&Ende" item and the invisible "ESC" item (both only close
// the window), the one-panel status bar "ESC = Abbruch", and the window's own layout
// scale. A window declares its frame as one FrameSpec; a window that is nothing but its
// frame needs no code besides that declaration.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "frame/Design.h"
#include "frame/Frame.h"
#include "frame/Layout.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace frame {

enum class ItemRole {
    Own,     // the window gives it a handler
    Close,   // "&Ende": closes the window
    Escape,  // invisible, shortcut Esc: closes the window
};

struct MenuSpec {
    const char* name;
    const char* caption;
    ItemRole role = ItemRole::Own;
    const char* parent = nullptr;  // name of the item it drops down from (declared before it)
};

// The visible close item, "&Ende" unless the layout spells it otherwise.
inline MenuSpec closeItem(const char* name, const char* caption = "&Ende") { return {name, caption, ItemRole::Close}; }
// The invisible Esc item, captioned "ESC" unless the layout says otherwise.
inline MenuSpec escItem(const char* name, const char* caption = "ESC") { return {name, caption, ItemRole::Escape}; }
// The menu of most windows: "&Ende", then the invisible "ESC".
inline std::vector<MenuSpec> standardMenu(const char* endeName = "Ende1", const char* escName = "ESC1") {
    return {closeItem(endeName), escItem(escName)};
}

struct FrameSpec {
    const char* className;
    const char* caption;
    int designPPI = kDesign96;
    ui::TColor color = ui::clBtnFace;
    ui::BorderStyle border = ui::BorderStyle::ToolWindow;
    const char* statusBar = "StatusBar1";  // null: the window has no status bar
    std::vector<MenuSpec> menu = standardMenu();  // top-level and sub-items in stored order
    // Placement done by the frame's create handler; empty: the window places itself.
    std::optional<Pattern> placement = std::nullopt;
    bool scaled = true;  // takes the pattern's layout scale (false: sizes and places only)
};

class TopicForm : public ui::Form {
public:
    TopicForm(ui::Application& app, const FrameSpec& spec);

    ui::MainMenu MainMenu1{*this};

private:
    std::vector<std::unique_ptr<ui::MenuItem>> items_;

public:
    ui::MenuItem& Ende1;
    ui::MenuItem& ESC1;
    std::unique_ptr<ui::StatusBar> StatusBar1;

    // A menu item the frame declared (a missing name is a fault in the window's code).
    ui::MenuItem& item(std::string_view name) const;

    // The window's layout factors, set by its create handler.
    double ScaleX = 1.0;
    double ScaleY = 1.0;

    // Places the window by the pattern of its frame, if it has one.
    void FormCreate() override;
    // Sizes and places the window by a pattern and takes over the pattern's scale.
    void placeBy(Pattern p);
    // Sizes and places the window by a pattern; the window draws in plain pixels and
    // keeps its scale of 1.
    void placeSizeOnly(Pattern p);
    int X(double d) const { return Round(d * ScaleX); }
    int Y(double d) const { return Round(d * ScaleY); }
    Scale scale() const { return Scale{ScaleX, ScaleY}; }
    // Draws on a canvas in this window's design units.
    Design design(ui::Canvas& c) const { return Design(c, scale()); }
    int screenWidth() const { return application().screenWidth(); }
    int screenHeight() const { return application().screenHeight(); }

private:
    std::optional<Pattern> placement_;
    bool scaled_;
};

// Another window of the program by its class (every window exists for the whole run).
template <class T>
T* findWindow(ui::Application& app) {
    return static_cast<T*>(app.findForm(T::kClassName));
}

}  // namespace frame
