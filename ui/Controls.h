// The controls a form holds: paint boxes, images, shapes, labels, panels, the status
// bar and image lists. Positions are client pixels (of the parent panel for a control
// placed on a panel). A control aligned to the client fills its parent's client area
// (a form's minus its status bar), whatever bounds were set.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Colour.h"
#include "ui/Jpeg.h"
#include "ui/raster/Raster.h"
#include "ui/text/Font.h"

namespace ui {

class Form;
class Panel;

enum class Align { None, Client };
enum class Cursor { Default, HandPoint };

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
    Form& owner_;
    std::string name_;
    Panel* parent_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Align align_ = Align::None;
    bool visible_ = true;
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

    void paint(const Rect& clip) override;
    void scaleLayout(int num, int den) override;
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
    void paint(const Rect& clip) override;

private:
    mutable raster::Bitmap picture_;
    mutable std::optional<StoredJpeg> pending_;
};

class Shape : public Control {
public:
    Shape(Form& owner, std::string name, Panel* parent = nullptr);

    TColor brushColor = clWhite;
    BrushStyle brushStyle = BrushStyle::Solid;
    TColor penColor = clBlack;
    int penWidth = 1;
    void paint(const Rect& clip) override;
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
    void paint(const Rect& clip) override;
    void scaleLayout(int num, int den) override;
    void loaded() override { adjustSize(); }
    void adjustSize();

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
