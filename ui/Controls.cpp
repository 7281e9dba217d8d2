#include "ui/Controls.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Look.h"
#include "ui/text/TextEngine.h"

namespace ui {

namespace {
raster::Target targetFor(Form& f, const Rect& clip) {
    raster::Bitmap* b = f.canvasBitmap();
    Rect c = clip.intersected(Rect{0, 0, b->width, b->height});
    return raster::Target(*b, 0, 0, c);
}
}  // namespace

Control::Control(Form& owner, std::string name, Panel* parent)
    : owner_(owner), name_(std::move(name)), parent_(parent) {
    tabOrder = static_cast<int>(owner_.controls().size());
    if (parent_) parent_->children_.push_back(this);
    owner_.attach(this);
}

void Control::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    invalidate();
    if (!e && focused()) owner_.setActiveControl(owner_.nextTabStop(this, true));
    owner_.application().backend().formControlsChanged(owner_);
}

bool Control::showing() const {
    for (const Control* c = this; c; c = c->parent())
        if (!c->visible()) return false;
    return true;
}

bool Control::usable() const {
    for (const Control* c = this; c; c = c->parent())
        if (!c->visible() || !c->enabled()) return false;
    return true;
}

bool Control::focused() const { return owner_.activeControl() == this; }

void Control::setFocus() {
    if (canFocus() && usable()) owner_.setActiveControl(this);
}

bool Control::press() {
    if (!pictureStop()) return false;
    OnClick();
    return true;
}

std::string Control::setValue(const std::string&) { return name_ + " is a " + kind() + " and has no value to set"; }

int Control::left() const { return align_ == Align::Client ? 0 : left_; }
int Control::top() const { return align_ == Align::Client ? 0 : top_; }

int Control::width() const {
    if (align_ != Align::Client) return width_;
    return parent_ ? parent_->width() : owner_.alignRect().width();
}

int Control::height() const {
    if (align_ != Align::Client) return height_;
    return parent_ ? parent_->height() : owner_.alignRect().height();
}

Rect Control::clientRect() const {
    int ox = 0, oy = 0;
    if (parent_) {
        const Rect p = parent_->clientRect();
        ox = p.left;
        oy = p.top;
    } else if (align_ == Align::Client) {
        const Rect a = owner_.alignRect();
        ox = a.left;
        oy = a.top;
    }
    const int l = ox + left(), t = oy + top();
    return Rect{l, t, l + std::max(0, width()), t + std::max(0, height())};
}

void Control::setBounds(int l, int t, int w, int h) {
    if (l == left_ && t == top_ && w == width_ && h == height_) return;
    const Rect before = clientRect();
    left_ = l;
    top_ = t;
    width_ = w;
    height_ = h;
    if (visible_) owner_.Invalidate(before.united(clientRect()));
}

void Control::setAlign(Align a) {
    align_ = a;
    invalidate();
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    owner_.Invalidate(clientRect());
    if (!v && focused()) owner_.setActiveControl(owner_.nextTabStop(this, true));
    owner_.application().backend().formControlsChanged(owner_);
}

void Control::invalidate() { owner_.Invalidate(clientRect()); }

void Control::changed() {
    invalidate();
    owner_.application().backend().formControlsChanged(owner_);
}

raster::Target Control::target(const Rect& clip) const { return targetFor(owner_, clip.intersected(clientRect())); }

const Font& Control::formFont() const { return parent_ ? parent_->font : owner_.font; }

TColor Control::parentBackground() const { return parent_ ? parent_->color : owner_.color(); }

void Control::scaleLayout(int num, int den) {
    left_ = mulDiv(left_, num, den);
    top_ = mulDiv(top_, num, den);
    width_ = mulDiv(width_, num, den);
    height_ = mulDiv(height_, num, den);
}

// ---- PaintBox

PaintBox::PaintBox(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {}

raster::Bitmap* PaintBox::canvasBitmap() { return owner_.canvasBitmap(); }

Rect PaintBox::canvasBounds() const { return clientRect(); }

void PaintBox::canvasChanged(const Rect& r) { owner_.canvasChanged(r); }

void PaintBox::paint(const Rect& clip) {
    const Rect r = clientRect();
    const Rect local{clip.left - r.left, clip.top - r.top, clip.right - r.left, clip.bottom - r.top};
    canvas.font = font;
    canvas.brush.takeColor(color);
    canvas.setPaintClip(&local);
    if (OnPaint) OnPaint();
    canvas.setPaintClip(nullptr);
}

void PaintBox::mouseDown(const MouseEvent& e) {
    if (OnMouseDown) OnMouseDown(e.button, e.shift, e.x, e.y);
}

void PaintBox::mouseMove(const MouseEvent& e) {
    if (OnMouseMove) OnMouseMove(e.shift, e.x, e.y);
}

void PaintBox::mouseUp(const MouseEvent& e) {
    if (OnMouseUp) OnMouseUp(e.button, e.shift, e.x, e.y);
}

bool PaintBox::mouseWheel(int notches, const MouseEvent& e) { return OnMouseWheel && OnMouseWheel(notches, e.shift, e.x, e.y); }

bool PaintBox::keyDown(int key, unsigned shift) { return OnKeyDown && OnKeyDown(key, shift); }

void PaintBox::scaleLayout(int num, int den) {
    Control::scaleLayout(num, den);
    font.height = mulDiv(font.height, num, den);
}

// ---- Image

Image::Image(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {}

const raster::Bitmap& Image::picture() const {
    if (pending_) {
        picture_ = decoder_ ? decodeStored(decoder_->take(), pending_->name) : decodeStored(*pending_);
        decoder_.reset();
        pending_.reset();
    }
    return picture_;
}

bool Image::decodeRows(int rows) {
    if (!pending_) return true;
    if (!decoder_) decoder_ = std::make_unique<JpegDecoder>(pending_->data, pending_->size, pending_->width, pending_->height);
    if (!decoder_->decodeRows(rows)) return false;
    picture();
    return true;
}

void Image::setPicture(raster::Bitmap b) {
    picture_ = std::move(b);
    decoder_.reset();
    pending_.reset();
    invalidate();
}

void Image::setPicture(StoredJpeg jpeg) {
    picture_ = raster::Bitmap();
    decoder_.reset();
    pending_ = std::move(jpeg);
    invalidate();
}

void Image::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = targetFor(owner_, clip.intersected(r));
    if (t.clip.empty()) return;
    const raster::Bitmap& b = picture();
    if (b.width <= 0 || b.height <= 0) return;
    if (stretch) raster::stretchDraw(t, r, b);
    else raster::draw(t, r.left, r.top, b);
}

// ---- Shape

Shape::Shape(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {}

void Shape::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = targetFor(owner_, clip.intersected(r));
    if (t.clip.empty()) return;
    const int pw = std::max(1, penWidth);
    const int x = r.left + pw / 2, y = r.top + pw / 2;
    const int w = r.width() - pw + 1, h = r.height() - pw + 1;
    raster::Pen p;
    p.rgb = toPixel(penColor);
    p.width = pw;
    raster::Brush b{toPixel(brushColor), brushStyle == BrushStyle::Solid};
    raster::rectangle(t, p, b, x, y, x + w, y + h);
}

// ---- Label

Label::Label(Form& owner, std::string name, std::string caption, Panel* parent)
    : Control(owner, std::move(name), parent), caption_(std::move(caption)) {}

const Font& Label::font() const {
    if (!parentFont_) return font_;
    return parent_ ? parent_->font : owner_.font;
}

void Label::setFont(const Font& f) {
    font_ = f;
    parentFont_ = false;
    adjustSize();
    invalidate();
}

void Label::setCaption(std::string c) {
    if (c == caption_) return;
    const Rect before = clientRect();
    caption_ = std::move(c);
    adjustSize();
    owner_.Invalidate(before.united(clientRect()));
}

void Label::setWordWrap(bool w) {
    if (w == wordWrap) return;
    wordWrap = w;
    adjustSize();
    invalidate();
}

std::vector<std::string> Label::lines() const {
    if (!wordWrap) return {caption_};
    const Font& f = font();
    std::vector<std::string> out;
    // Paragraphs at line breaks; in each, greedily as many words as fit (a word longer
    // than the width stands alone).
    size_t start = 0;
    for (;;) {
        const size_t nl = caption_.find('\n', start);
        const std::string para = caption_.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        std::string line;
        size_t p = 0;
        while (p <= para.size()) {
            size_t blank = para.find(' ', p);
            if (blank == std::string::npos) blank = para.size();
            const std::string word = para.substr(p, blank - p);
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && text::textWidth(f, candidate) > width_ - 2 * padding) {
                out.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            p = blank + 1;
        }
        out.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return out;
}

void Label::adjustSize() {
    if (!autoSize) return;
    const int cell = text::metrics(font()).cellHeight();
    if (wordWrap) {
        height_ = cell * static_cast<int>(lines().size()) + 2 * padding;
        return;
    }
    width_ = text::textWidth(font(), caption_) + 2 * padding;
    height_ = cell + 2 * padding;
}

void Label::paint(const Rect& clip) { paintCaption(clip, font()); }

void Label::paintCaption(const Rect& clip, const Font& f) {
    const Rect r = clientRect();
    raster::Target t = targetFor(owner_, clip.intersected(r));
    if (t.clip.empty()) return;
    if (!transparent) {
        const TColor bg = parentColor ? (parent_ ? parent_->color : owner_.color()) : color;
        raster::fillRect(t, r, toPixel(bg), raster::PenMode::Copy);
    }
    if (!wordWrap) {
        text::drawText(t, r.left + padding, r.top + padding, f, caption_, false, 0);
        return;
    }
    const int cell = text::metrics(f).cellHeight();
    int y = r.top + padding;
    for (const std::string& line : lines()) {
        text::drawText(t, r.left + padding, y, f, line, false, 0);
        y += cell;
    }
}

void Label::scaleLayout(int num, int den) {
    Control::scaleLayout(num, den);
    if (!parentFont_) font_.height = mulDiv(font_.height, num, den);
}

// ---- Panel

Panel::Panel(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {
    font = owner.font;
}

void Panel::paint(const Rect& clip) {
    const Rect r = clientRect();
    const Rect inner = clip.intersected(r);
    raster::Target t = targetFor(owner_, inner);
    if (t.clip.empty()) return;
    raster::fillRect(t, r, toPixel(color), raster::PenMode::Copy);
    if (bevel && r.width() > 1 && r.height() > 1) look::edge(t, r, clWhite, clGray);
    for (Control* c : children_)
        if (c->visible() && c->clientRect().intersects(inner)) c->paint(inner);
}

void Panel::scaleLayout(int num, int den) {
    Control::scaleLayout(num, den);
    font.height = mulDiv(font.height, num, den);
}

// ---- StatusBar

StatusBar::StatusBar(Form& owner, std::string name, std::string text)
    : owner_(owner), name_(std::move(name)), text_(std::move(text)) {
    owner.attach(this);
}

void StatusBar::setText(std::string t) {
    if (t == text_) return;
    text_ = std::move(t);
    changed();
}

void StatusBar::changed() { owner_.statusChanged(); }

// ---- ImageList

void ImageList::add(raster::Bitmap b) {
    images_.push_back(std::move(b));
    pending_.emplace_back();
}

void ImageList::add(StoredJpeg jpeg) {
    images_.emplace_back();
    pending_.emplace_back(std::move(jpeg));
}

const raster::Bitmap& ImageList::image(int i) const {
    const size_t k = static_cast<size_t>(i);
    if (pending_.at(k)) {
        images_[k] = decodeStored(*pending_[k]);
        pending_[k].reset();
    }
    return images_[k];
}

void ImageList::Draw(Canvas& c, int x, int y, int index) const {
    if (index < 0 || index >= count()) return;
    c.Draw(x, y, image(index));
}

}  // namespace ui
