#include "ui/Form.h"

#include <algorithm>
#include <atomic>

#include "ui/Application.h"
#include "ui/ComboBox.h"

namespace ui {

namespace {
std::atomic<int> liveBuffers{0};
}  // namespace

Form::Form(Application& app, std::string className, std::string caption)
    : app_(app), className_(std::move(className)), caption_(std::move(caption)) {}

Form::~Form() { releasePixels(); }

int Form::livePixelBuffers() { return liveBuffers.load(); }

void Form::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    app_.backend().formCaptionChanged(*this);
}

void Form::setColor(TColor c) {
    color_ = c;
    Invalidate();
}

int Form::menuBarHeight() const { return menu_ && menu_->hasVisibleItems() ? kMenuBarHeight : 0; }

int Form::clientWidth() const { return std::max(0, width_ - 2 * kBorderWidth); }

int Form::clientHeight() const { return std::max(0, height_ - 2 * kBorderWidth - kCaptionHeight - menuBarHeight()); }

void Form::setClientSize(int w, int h) {
    setBounds(left_, top_, w + 2 * kBorderWidth, h + 2 * kBorderWidth + kCaptionHeight + menuBarHeight());
}

Rect Form::alignRect() const {
    return Rect{0, 0, clientWidth(), std::max(0, clientHeight() - statusBarHeight())};
}

bool Form::active() const { return app_.activeForm() == this; }

void Form::setBounds(int l, int t, int w, int h) {
    w = std::max(0, w);
    h = std::max(0, h);
    if (l == left_ && t == top_ && w == width_ && h == height_) return;
    const bool resized = w != width_ || h != height_;
    left_ = l;
    top_ = t;
    width_ = w;
    height_ = h;
    if (resized) {
        resizeBuffer();
        Invalidate();
    }
    app_.backend().formGeometryChanged(*this);
}

void Form::setVisibleFlag(bool v) {
    visible_ = v;
    if (!v) {
        // A hidden window lets go of the mouse and closes its drop-down list.
        capture_ = nullptr;
        clickPending_ = false;
        dropped_ = nullptr;
        focusCues_ = false;
    }
    if (v) resizeBuffer();
    else releasePixels();
}

void Form::releasePixels() {
    if (!hasPixels_) return;
    hasPixels_ = false;
    --liveBuffers;
    buffer_ = raster::Bitmap();
}

void Form::resizeBuffer() {
    if (!visible_) return;
    if (!hasPixels_) {
        hasPixels_ = true;
        ++liveBuffers;
    }
    const int w = clientWidth(), h = clientHeight();
    if (w == buffer_.width && h == buffer_.height) return;
    raster::Bitmap next(w, h, toPixel(color_));
    // Keep what was drawn where it still fits, as a resized window does.
    for (int y = 0; y < std::min(h, buffer_.height); ++y)
        std::copy_n(&buffer_.pixels[static_cast<size_t>(y) * buffer_.width], std::min(w, buffer_.width),
                    &next.pixels[static_cast<size_t>(y) * w]);
    buffer_ = std::move(next);
}

void Form::menuChanged() {
    resizeBuffer();
    app_.backend().formMenuChanged(*this);
}

void Form::statusChanged() { app_.backend().formStatusChanged(*this); }

void Form::setEnabled(bool e) {
    if (e == !selfDisabled_) return;
    selfDisabled_ = !e;
    app_.backend().formEnabledChanged(*this);
}

void Form::Show() { app_.show(*this); }
void Form::ShowModal() { app_.showModal(*this); }
void Form::Close() { app_.close(*this); }

void Form::Invalidate() { Invalidate(Rect{0, 0, clientWidth(), clientHeight()}); }

void Form::Invalidate(const Rect& r) {
    const Rect c = r.intersected(Rect{0, 0, clientWidth(), clientHeight()});
    if (c.empty()) return;
    invalid_ = invalid_.united(c);
}

void Form::Repaint() {
    Invalidate();
    flushPaint();
}

bool Form::flushPaint() {
    if (invalid_.empty() || painting_) return false;
    if (!visible_) {
        // A hidden window paints when it is shown.
        return false;
    }
    const Rect r = invalid_;
    invalid_ = Rect{};
    painting_ = true;
    paintRegion(r);
    painting_ = false;
    return true;
}

void Form::paintRegion(const Rect& r) {
    raster::Target t(buffer_, 0, 0, r.intersected(Rect{0, 0, buffer_.width, buffer_.height}));
    if (t.clip.empty()) return;
    raster::fillRect(t, r, toPixel(color_), raster::PenMode::Copy);
    canvas.setPaintClip(&r);
    FormPaint();
    canvas.setPaintClip(nullptr);
    // Graphic controls first, then windowed ones, each list in z-order.
    for (int pass = 0; pass < 2; ++pass)
        for (Control* c : controls_) {
            if (c->parent() || c->windowed() != (pass == 1) || !c->visible()) continue;
            if (c->clientRect().intersects(r)) c->paint(r);
        }
    if (dropped_ && dropped_->listRect().intersects(r)) dropped_->paintList(r);
    app_.backend().formPixelsChanged(*this, t.clip);
}

void Form::canvasChanged(const Rect& r) {
    if (visible_ && !painting_) app_.backend().formPixelsChanged(*this, r);
}

void Form::attach(Control* c) { controls_.push_back(c); }
void Form::attach(Timer* t) { timers_.push_back(t); }
void Form::detach(Timer* t) { timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end()); }

Control* Form::findControl(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

Control* Form::controlAt(int x, int y) const {
    // Windowed controls lie above graphic ones; later controls above earlier ones.
    for (int pass = 1; pass >= 0; --pass)
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
            Control* c = *it;
            const bool windowedLayer = c->windowed() || c->parent() != nullptr;
            if (windowedLayer != (pass == 1) || !c->showing()) continue;
            if (c->clientRect().contains(x, y)) return c;
        }
    return nullptr;
}

Cursor Form::cursorAt(int x, int y) const {
    const Control* c = controlAt(x, y);
    return c ? c->cursor : Cursor::Default;
}

void Form::setActiveControl(Control* c) {
    if (c == activeControl_) return;
    if (dropped_ && dropped_ != c) dropped_->closeUp(false);
    Control* old = activeControl_;
    activeControl_ = c;
    if (old) old->focusChanged();
    if (c) c->focusChanged();
    app_.backend().formControlsChanged(*this);
}

Rect Form::focusRing() const {
    const Control* c = activeControl_;
    if (!focusCues_ || !c || !c->pictureStop() || !c->showing()) return Rect{};
    return c->clientRect().intersected(Rect{0, 0, clientWidth(), clientHeight() - statusBarHeight()});
}

void Form::showFocusCues() {
    if (focusCues_) return;
    focusCues_ = true;
    app_.backend().formControlsChanged(*this);
}

std::vector<Control*> Form::tabOrderList() const {
    std::vector<Control*> out = controls_;
    std::stable_sort(out.begin(), out.end(), [](const Control* a, const Control* b) { return a->tabOrder < b->tabOrder; });
    return out;
}

Control* Form::nextTabStop(const Control* from, bool forward) const {
    std::vector<Control*> order = tabOrderList();
    if (!forward) std::reverse(order.begin(), order.end());
    auto start = std::find(order.begin(), order.end(), from);
    const size_t n = order.size();
    const size_t first = start == order.end() ? 0 : static_cast<size_t>(start - order.begin()) + 1;
    for (size_t k = 0; k < n; ++k) {
        Control* c = order[(first + k) % n];
        if (c->canFocus() && c->usable()) return c;
    }
    return nullptr;
}

void Form::setDroppedDown(ComboBox* c) {
    if (c == dropped_) return;
    if (dropped_) Invalidate(dropped_->listRect());
    dropped_ = c;
    if (dropped_) Invalidate(dropped_->listRect());
    app_.backend().formControlsChanged(*this);
}

void Form::scaleLayout(int designPPI) {
    if (designPPI <= 0 || designPPI == kScreenPPI) return;
    for (Control* c : controls_) c->scaleLayout(kScreenPPI, designPPI);
    font.height = mulDiv(font.height, kScreenPPI, designPPI);
}

void Form::loaded() {
    for (Control* c : controls_) c->loaded();
}

}  // namespace ui
