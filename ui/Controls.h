// The controls a form holds: paint boxes, images, shapes, labels, panels, the status
// bar and image lists. Positions are client pixels (of the parent panel for a control
// placed on a panel). A control aligned to the client fills its parent's client area
// (a form's minus its status bar), whatever bounds were set.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Colour.h"
#include "ui/Input.h"
#include "ui/Jpeg.h"
#include "ui/raster/Raster.h"
#include "ui/text/Font.h"

namespace ui {

class Form;
class Panel;

enum class Align { None, Client };
enum class Cursor { Default, HandPoint };

// A mouse event in the coordinates of the control it goes to (they may lie outside it
// while the control holds the mouse).
struct MouseEvent {
    int x = 0;
    int y = 0;
    MouseButton button = MouseButton::Left;
    unsigned shift = ssNone;
};

class Control {
public:
    Control(Form& owner, std::string name, Panel* parent = nullptr);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    Form& owner() const { return owner_; }
    Panel* parent() const { return parent_; }

    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(int v) { setBounds(v, top_, width_, height_); }
    void setTop(int v) { setBounds(left_, v, width_, height_); }
    void setWidth(int v) { setBounds(left_, top_, v, height_); }
    void setHeight(int v) { setBounds(left_, top_, width_, v); }
    void setBounds(int l, int t, int w, int h);
    Align align() const { return align_; }
    void setAlign(Align a);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    Cursor cursor = Cursor::Default;
    std::function<void()> OnClick;

    // Whether it takes input; a disabled control shows grey and keeps its value.
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    // Visible and enabled together with every panel it lies on.
    bool showing() const;
    bool usable() const;

    // Keyboard focus: controls that take it are reached with Tab in tab order (their
    // order of creation unless a window sets another).
    bool tabStop = false;
    int tabOrder = 0;
    virtual bool canFocus() const { return tabStop || pictureStop(); }
    // A picture or text that does something when clicked is reached with Tab too; Enter or
    // Space clicks it. A click with the mouse leaves the focus where it was, and the ring
    // that marks it is drawn over the window's pixels, never into them.
    bool pictureStop() const { return !tabStop && OnClick && !takesMouse() && !windowed(); }
    bool focused() const;
    void setFocus();
    // What screen readers call it when it has no caption of its own ("Suche").
    std::string accessibleName;

    // Input. A control that takes the mouse gets press, moves and release (it holds the
    // mouse from press to release); the others get OnClick at the release, as pictures do.
    virtual bool takesMouse() const { return false; }
    virtual void mouseDown(const MouseEvent&) {}
    virtual void mouseMove(const MouseEvent&) {}
    virtual void mouseUp(const MouseEvent&) {}
    // Wheel notches (> 0 towards the user); returns whether it was used.
    virtual bool mouseWheel(int /*notches*/, const MouseEvent&) { return false; }
    // Keys and typed text while it has the focus; returns whether they were used.
    virtual bool keyDown(int /*key*/, unsigned /*shift*/) { return false; }
    virtual bool textInput(std::string_view /*utf8*/) { return false; }
    virtual void focusChanged() {
        if (!pictureStop()) invalidate();
    }
    // Runs a user's press on it (a button, check box, link or clickable picture); false
    // for other controls.
    virtual bool press();

    // What the script language reports: the kind ("Button", "TrackBar", ...), the value
    // (checked 0/1, an index or a position; empty for controls without one) and the text
    // (caption, the chosen item's text or the edit's text).
    virtual std::string kind() const { return "Control"; }
    virtual std::string value() const { return ""; }
    virtual std::string text() const { return ""; }
    // A user's change of the value, events included; returns why not, or "".
    virtual std::string setValue(const std::string& v);
    // The items of a list, drop-down list or radio group.
    virtual std::vector<std::string> items() const { return {}; }
    // The bounds of item i in the form's client coordinates (radio items, visible rows).
    virtual Rect itemRect(int /*i*/) const { return Rect{}; }
    // The range and position of a slider or progress bar.
    virtual bool range(int& /*min*/, int& /*max*/, int& /*position*/) const { return false; }

    // Bounds in the form's client coordinates.
    Rect clientRect() const;
    // Windowed controls (panels) lie above all others of the form.
    virtual bool windowed() const { return false; }
    // Paints the part of the control inside `clip` (form client coordinates).
    virtual void paint(const Rect& clip) = 0;
    // Stored layouts are scaled by screen resolution / design resolution when loaded.
    virtual void scaleLayout(int num, int den);
    // Runs once the layout is loaded and scaled, before the form's create handler.
    virtual void loaded() {}
    void invalidate();

protected:
    // Repaints it and tells the backend that its state changed (focus, value, text).
    void changed();
    // Where it paints: the form's pixels, clipped to `clip` and its bounds.
    raster::Target target(const Rect& clip) const;
    const Font& formFont() const;
    TColor parentBackground() const;

    Form& owner_;
    std::string name_;
    Panel* parent_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
};

// Draws nothing by itself and keeps nothing: its paint handler draws on its canvas,
// which is clipped to the box.
class PaintBox : public Control, public CanvasHost {
public:
    PaintBox(Form& owner, std::string name, Panel* parent = nullptr);

    TColor color = clBtnFace;
    Font font;
    Canvas canvas{*this};
    std::function<void()> OnPaint;
    // Mouse and keys for windows that let the picture be dragged, zoomed and clicked on.
    std::function<void(MouseButton, unsigned shift, int x, int y)> OnMouseDown;
    std::function<void(unsigned shift, int x, int y)> OnMouseMove;
    std::function<void(MouseButton, unsigned shift, int x, int y)> OnMouseUp;
    // Returns whether the notches were used (> 0 towards the user).
    std::function<bool(int notches, unsigned shift, int x, int y)> OnMouseWheel;
    // Keys while it has the focus (give it tabStop); returns whether the key was used.
    std::function<bool(int key, unsigned shift)> OnKeyDown;

    void paint(const Rect& clip) override;
    void scaleLayout(int num, int den) override;
    std::string kind() const override { return "PaintBox"; }
    bool takesMouse() const override { return OnMouseDown || OnMouseMove || OnMouseUp; }
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool mouseWheel(int notches, const MouseEvent& e) override;
    bool keyDown(int key, unsigned shift) override;
    void focusChanged() override {}
    raster::Bitmap* canvasBitmap() override;
    Rect canvasBounds() const override;
    void canvasChanged(const Rect& r) override;
};

class Image : public Control {
public:
    Image(Form& owner, std::string name, Panel* parent = nullptr);

    bool stretch = false;
    // The picture. A stored photograph stays compressed until it is first needed (the
    // first paint of its window); then it is decoded once and kept.
    const raster::Bitmap& picture() const;
    void setPicture(raster::Bitmap b);
    void setPicture(StoredJpeg jpeg);
    bool decoded() const { return !pending_; }
    // Decodes up to `rows` more rows of a photograph not decoded yet, ahead of its first
    // paint; true once it is decoded.
    bool decodeRows(int rows);
    void paint(const Rect& clip) override;
    std::string kind() const override { return "Image"; }

private:
    mutable raster::Bitmap picture_;
    mutable std::optional<StoredJpeg> pending_;
    mutable std::unique_ptr<JpegDecoder> decoder_;  // a decoding begun by decodeRows
};

class Shape : public Control {
public:
    Shape(Form& owner, std::string name, Panel* parent = nullptr);

    TColor brushColor = clWhite;
    BrushStyle brushStyle = BrushStyle::Solid;
    TColor penColor = clBlack;
    int penWidth = 1;
    void paint(const Rect& clip) override;
    std::string kind() const override { return "Shape"; }
};

class Label : public Control {
public:
    Label(Form& owner, std::string name, std::string caption, Panel* parent = nullptr);

    std::string caption() const { return caption_; }
    void setCaption(std::string c);
    // A label shows its parent's font (the panel's or the form's) until it gets its own.
    const Font& font() const;
    void setFont(const Font& f);
    bool parentColor = true;
    TColor color = clBtnFace;
    bool transparent = false;
    bool autoSize = true;
    // Breaks the caption into lines at blanks (and at line breaks) to fit its width; an
    // auto-sized label then takes the height of its lines.
    bool wordWrap = false;
    void setWordWrap(bool w);
    // Room around the text on every side (a link's focus rectangle lies in it).
    int padding = 0;
    void paint(const Rect& clip) override;
    void scaleLayout(int num, int den) override;
    void loaded() override { adjustSize(); }
    void adjustSize();
    std::string kind() const override { return "Label"; }
    std::string text() const override { return caption_; }
    // The lines the caption shows in the label's width.
    std::vector<std::string> lines() const;

protected:
    // Draws the caption in a colour of its own (links, disabled text).
    void paintCaption(const Rect& clip, const Font& f);

private:
    std::string caption_;
    Font font_;
    bool parentFont_ = true;
};

class Panel : public Control {
public:
    Panel(Form& owner, std::string name, Panel* parent = nullptr);

    TColor color = clBtnFace;
    Font font;
    bool bevel = true;  // raised one-pixel bevel
    bool windowed() const override { return true; }
    void paint(const Rect& clip) override;
    std::string kind() const override { return "Panel"; }
    void scaleLayout(int num, int den) override;
    const std::vector<Control*>& children() const { return children_; }

private:
    friend class Control;
    std::vector<Control*> children_;
};

// One simple panel along the bottom of the form.
class StatusBar {
public:
    StatusBar(Form& owner, std::string name, std::string text);
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    const std::string& name() const { return name_; }
    const std::string& text() const { return text_; }
    void setText(std::string t);
    Font font;
    TColor color = clBtnFace;
    void changed();

private:
    Form& owner_;
    std::string name_;
    std::string text_;
};

// Equal-sized bitmaps drawn by index.
class ImageList {
public:
    ImageList(int width, int height) : width_(width), height_(height) {}
    int width() const { return width_; }
    int height() const { return height_; }
    int count() const { return static_cast<int>(images_.size()); }
    void add(raster::Bitmap b);
    // A stored photograph is decoded the first time it is drawn or asked for.
    void add(StoredJpeg jpeg);
    const raster::Bitmap& image(int i) const;
    bool decoded(int i) const { return !pending_.at(static_cast<size_t>(i)); }
    void Draw(Canvas& c, int x, int y, int index) const;

private:
    int width_;
    int height_;
    mutable std::vector<raster::Bitmap> images_;
    mutable std::vector<std::optional<StoredJpeg>> pending_;
};

}  // namespace ui
