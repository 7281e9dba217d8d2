// One top-level window: caption, border, colour, bounds, controls, menu, status bar,
// timers, and the buffer with the pixels of its client area.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Colour.h"
#include "ui/Controls.h"
#include "ui/Menu.h"
#include "ui/Timer.h"
#include "ui/raster/Raster.h"

namespace ui {

class Application;
class ComboBox;

enum class BorderStyle { ToolWindow, SizeToolWin };

// Fixed non-client metrics, so the client pixels do not depend on the window manager.
constexpr int kBorderWidth = 3;
constexpr int kCaptionHeight = 17;
constexpr int kMenuBarHeight = 20;
constexpr int kStatusBarHeight = 19;

class Form : public CanvasHost {
public:
    Form(Application& app, std::string className, std::string caption);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() override;

    Application& application() const { return app_; }
    const std::string& className() const { return className_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    BorderStyle borderStyle = BorderStyle::ToolWindow;
    // The resolution the stored layout was drawn at; the application scales the layout
    // by screen resolution / this value before the create handler runs.
    int designPPI = kScreenPPI;
    TColor color() const { return color_; }
    void setColor(TColor c);  // repaints the form
    Font font;

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { setBounds(v, top_, width_, height_); }
    void setTop(int v) { setBounds(left_, v, width_, height_); }
    void setWidth(int v) { setBounds(left_, top_, v, height_); }
    void setHeight(int v) { setBounds(left_, top_, width_, v); }
    void setBounds(int l, int t, int w, int h);
    // The client area: outer size minus borders, caption and menu bar (the status bar
    // lies inside it, along the bottom).
    int clientWidth() const;
    int clientHeight() const;
    void setClientSize(int w, int h);
    int menuBarHeight() const;
    int statusBarHeight() const { return statusBar_ ? kStatusBarHeight : 0; }
    // The client area left to client-aligned controls.
    Rect alignRect() const;

    bool visible() const { return visible_; }
    // Takes input unless a modal window above it or its own code disabled it.
    bool enabled() const { return disabledBy_ == 0 && !selfDisabled_; }
    // The window's own Enabled: a disabled window ignores clicks, keys and menu choices.
    void setEnabled(bool e);
    // Whether a modal window disabled it (as opposed to its own Enabled).
    bool disabledByModal() const { return disabledBy_ > 0; }
    bool active() const;
    bool modal() const { return modal_; }

    void Show();
    void ShowModal();
    void Close();
    void Repaint();  // paints the whole form now
    void Refresh() { Repaint(); }
    void Invalidate();  // paints when the current event ends
    void Invalidate(const Rect& clientRect);

    Canvas canvas{*this};
    MainMenu* menu() const { return menu_; }
    StatusBar* statusBar() const { return statusBar_; }
    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<Timer*>& timers() const { return timers_; }
    Control* findControl(const std::string& name) const;
    // The topmost visible control at a client point that takes clicks, or null.
    Control* controlAt(int x, int y) const;
    Cursor cursorAt(int x, int y) const;

    // Keyboard focus: the control that gets keys and typed text (null: none).
    Control* activeControl() const { return activeControl_; }
    void setActiveControl(Control* c);
    // Every control in tab order (tab order, then creation order).
    std::vector<Control*> tabOrderList() const;
    // The next control that takes the focus after `from` (or the first), or null.
    Control* nextTabStop(const Control* from, bool forward) const;
    // The button Enter presses when the focused control does not use the key.
    Control* defaultButton = nullptr;
    // Where the ring of a focused clickable picture lies (client coordinates), or empty.
    // The ring shows once the keyboard has moved the focus in this window, as on the classic
    // desktop, so a mouse user sees the window's pixels unchanged.
    Rect focusRing() const;
    void showFocusCues();
    // A drop-down list open over the window: it is painted last and takes the mouse first.
    ComboBox* droppedDown() const { return dropped_; }
    void setDroppedDown(ComboBox* c);
    // The control holding the mouse between press and release.
    Control* mouseCapture() const { return capture_; }
    // Figures the window computes, one (name, value) each, for scripts and checks.
    virtual std::vector<std::pair<std::string, std::string>> values() const { return {}; }
    // What the script's `save` writes for the window (a spectrum, a table); empty: it saves nothing.
    virtual std::string savedText() const { return {}; }

    // The client pixels. A hidden window has none: it gets them when it is shown (and
    // paints them whole) and gives them back when it is hidden, so what is drawn while
    // it is hidden goes nowhere.
    const raster::Bitmap& buffer() const { return buffer_; }
    bool hasPixels() const { return hasPixels_; }
    // How many windows hold pixels at this moment (all applications of the process).
    static int livePixelBuffers();
    bool needsPaint() const { return !invalid_.empty(); }
    // Multiplies positions, sizes and font heights of the stored layout by num/den.
    void scaleLayout(int designPPI);
    // Tells the controls that the layout is complete (labels size themselves).
    void loaded();

    // Handlers; a window overrides those it has.
    virtual void FormCreate() {}
    virtual void FormPaint() {}
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormClose() {}

    // CanvasHost
    raster::Bitmap* canvasBitmap() override { return &buffer_; }
    Rect canvasBounds() const override { return Rect{0, 0, buffer_.width, buffer_.height}; }
    void canvasChanged(const Rect& r) override;

    // Used by the application and the components.
    void attach(Control* c);
    void attach(Timer* t);
    void detach(Timer* t);
    void attach(MainMenu* m) { menu_ = m; }
    void attach(StatusBar* s) { statusBar_ = s; }
    void menuChanged();
    void statusChanged();

private:
    // Showing, hiding, modality and painting are scheduled by the application.
    friend class Application;
    void setVisibleFlag(bool v);
    void setModalFlag(bool m) { modal_ = m; }
    // Paints what has been invalidated; returns whether anything was painted.
    bool flushPaint();
    void paintRegion(const Rect& r);
    void resizeBuffer();
    void releasePixels();

    int disabledBy_ = 0;
    Form* owner_ = nullptr;  // the form it was last shown (not modal) from
    Control* activeControl_ = nullptr;
    Control* capture_ = nullptr;
    bool clickPending_ = false;  // pressed on a control without mouse handling of its own
    bool focusCues_ = false;     // the keyboard moved the focus since the window was shown
    ComboBox* dropped_ = nullptr;

    Application& app_;
    std::string className_;
    std::string caption_;
    TColor color_ = clBtnFace;
    int left_ = 0, top_ = 0, width_ = 320, height_ = 240;
    bool visible_ = false;
    bool modal_ = false;
    bool selfDisabled_ = false;
    raster::Bitmap buffer_;
    bool hasPixels_ = false;
    Rect invalid_;
    bool painting_ = false;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    MainMenu* menu_ = nullptr;
    StatusBar* statusBar_ = nullptr;
};

}  // namespace ui
