// The frame every topic window shares: tool-window border, caption, colour, the
// "&Ende" item and the invisible "ESC" item (both only close the window), the
// one-panel status bar "ESC = Abbruch", and the window's own layout scale.
#pragma once

#include <memory>

#include "frame/Frame.h"
#include "frame/Layout.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace frame {

struct FrameSpec {
    const char* className;
    const char* caption;
    int designPPI = kDesign96;
    ui::TColor color = ui::clBtnFace;
    const char* statusBarName = "StatusBar1";  // null: the window has no status bar
    const char* endeName = "Ende1";
    const char* endeCaption = "&Ende";
    const char* escName = "ESC1";
    ui::BorderStyle border = ui::BorderStyle::ToolWindow;
};

class TopicForm : public ui::Form {
public:
    TopicForm(ui::Application& app, const FrameSpec& spec);

    ui::MainMenu MainMenu1{*this};
    ui::MenuItem Ende1;
    ui::MenuItem ESC1;
    std::unique_ptr<ui::StatusBar> StatusBar1;

    // The window's layout factors, set by its create handler.
    double ScaleX = 1.0;
    double ScaleY = 1.0;

    // Sizes and places the window by a pattern and takes over the pattern's scale.
    void placeBy(Pattern p);
    // Sizes and places the window by a pattern; the window draws in plain pixels and
    // keeps its scale of 1.
    void placeSizeOnly(Pattern p);
    int X(double d) const { return Round(d * ScaleX); }
    int Y(double d) const { return Round(d * ScaleY); }
    int screenWidth() const { return application().screenWidth(); }
    int screenHeight() const { return application().screenHeight(); }
};

// Another window of the program by its class (every window exists for the whole run).
template <class T>
T* findWindow(ui::Application& app) {
    return static_cast<T*>(app.findForm(T::kClassName));
}

}  // namespace frame
