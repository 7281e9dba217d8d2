#include "desktop/ClientWidget.h"

#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QRegion>
#include <QWheelEvent>
#include <algorithm>
#include <string>
#include <utility>

#include "desktop/Keys.h"
#include "desktop/PointerPixel.h"
#include "desktop/QtBackend.h"
#include "desktop/QtText.h"
#include "ui/Look.h"

namespace desktop {

namespace {

bool toButton(Qt::MouseButton qb, ui::MouseButton& b) {
    switch (qb) {
        case Qt::LeftButton: b = ui::MouseButton::Left; return true;
        case Qt::RightButton: b = ui::MouseButton::Right; return true;
        case Qt::MiddleButton: b = ui::MouseButton::Middle; return true;
        default: return false;
    }
}

// Text a key types: printable characters only (no line breaks, tabs or Esc).
bool printable(const QString& text) {
    if (text.isEmpty()) return false;
    for (const char32_t c : text.toUcs4())
        if (!QChar::isPrint(c)) return false;
    return true;
}

}  // namespace

ClientWidget::ClientWidget(QtBackend& backend, ui::Form& form, QWidget* parent)
    : QWidget(parent), backend_(backend), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys and input methods send what they compose as input method events.
    setAttribute(Qt::WA_InputMethodEnabled);
}

QSize ClientWidget::sizeHint() const { return size(); }

void ClientWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const ui::raster::Bitmap& b = form_.buffer();
    const QRect pixels(0, 0, b.width, std::min(b.height, height()));
    const QRect area = e->rect() & pixels;
    if (!area.isEmpty()) {
        // The form's buffer is 0xFFRRGGBB, which is exactly Qt's RGB32: no copy.
        const QImage image(reinterpret_cast<const uchar*>(b.pixels.data()), b.width, b.height,
                           static_cast<qsizetype>(b.width) * 4, QImage::Format_RGB32);
        p.drawImage(area.topLeft(), image, area);
    }
    // Only while a size change is on its way can the widget be larger than the buffer.
    const QRegion rest = QRegion(e->rect()) - QRegion(pixels);
    for (const QRect& r : rest) p.fillRect(r, toQColor(form_.color()));
    // The ring goes over the pixels, as the headless screen draws it.
    if (!ring_.isEmpty() && e->rect().intersects(ring_)) {
        p.setPen(toQColor(ui::look::kPictureRingOuter));
        p.drawRect(ring_.adjusted(0, 0, -1, -1));
        p.setPen(toQColor(ui::look::kPictureRingInner));
        if (ring_.width() > 2 && ring_.height() > 2) p.drawRect(ring_.adjusted(1, 1, -2, -2));
    }
}

void ClientWidget::updateFocusRing() {
    const ui::raster::Rect r = form_.focusRing();
    const QRect ring = r.empty() ? QRect() : QRect(r.left, r.top, r.width(), r.height());
    if (ring == ring_) return;
    update(QRegion(ring_) + QRegion(ring));
    ring_ = ring;
}

void ClientWidget::mousePressEvent(QMouseEvent* e) {
    ui::MouseButton b;
    // One button at a time: a second one pressed while another is held goes nowhere.
    if (toButton(e->button(), b) && (e->buttons() & ~e->button()) == Qt::NoButton) {
        held_ = e->button();
        const QPoint pos = formPixelAt(*this, e->position(), true);
        backend_.userMouseDown(form_, pos.x(), pos.y(), b, shiftState(e->modifiers()));
    }
    e->accept();
}

void ClientWidget::mouseReleaseEvent(QMouseEvent* e) {
    // Qt holds the mouse for this widget from press to release, so the release comes
    // here also outside the client area: a control that holds the mouse wants it there
    // too. (What lies under the release gets a click, as on the classic desktop.)
    const QPoint pos = formPixelAt(*this, e->position(), true);
    ui::MouseButton b;
    if (e->button() == held_ && toButton(e->button(), b)) {
        held_ = Qt::NoButton;
        backend_.userMouseUp(form_, pos.x(), pos.y(), b, shiftState(e->modifiers()));
    }
    updateCursorAt(pos);
    e->accept();
}

void ClientWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = formPixelAt(*this, e->position(), false);
    backend_.userMouseMove(form_, pos.x(), pos.y(), shiftState(e->modifiers()));
    updateCursorAt(pos);
    e->accept();
}

void ClientWidget::wheelEvent(QWheelEvent* e) {
    const int delta = e->angleDelta().y();
    if (delta == 0) {
        e->ignore();
        return;
    }
    // Fine wheels and touchpads send parts of a notch; a change of direction starts afresh.
    if ((wheel_ < 0 && delta > 0) || (wheel_ > 0 && delta < 0)) wheel_ = 0;
    wheel_ += delta;
    const int notches = wheel_ / 120;
    wheel_ -= notches * 120;
    if (notches != 0) {
        // Qt counts turns away from the user, the windows towards the user.
        const QPoint pos = formPixelAt(*this, e->position(), false);
        backend_.userWheel(form_, pos.x(), pos.y(), -notches, shiftState(e->modifiers()));
    }
    e->accept();
}

void ClientWidget::keyPressEvent(QKeyEvent* e) {
    const int key = virtualKey(e->key());
    unsigned shift = shiftState(e->modifiers());
    if (e->key() == Qt::Key_Backtab) shift |= ui::ssShift;
    // Alt and a letter or digit belongs to the menu bar (which has already taken the
    // letters of its items), Alt+F4 to the window manager. Esc comes here only when the
    // window's Esc item takes no key; the program may still use it (an open list closes).
    const bool alt = shift & ui::ssAlt;
    if (alt && ((key >= '0' && key <= 'Z') || key == ui::vk::F4)) {
        e->ignore();
        return;
    }
    std::string text;
    if (printable(e->text())) text = e->text().toStdString();  // typed only when no Ctrl or Alt is held
    if (key == 0 && text.empty()) {
        e->ignore();
        return;
    }
    backend_.userKey(form_, key, shift, std::move(text));
    e->accept();
}

void ClientWidget::inputMethodEvent(QInputMethodEvent* e) {
    // What an input method or a dead key has composed; what it is still composing is not shown.
    if (!e->commitString().isEmpty()) backend_.userText(form_, e->commitString().toStdString());
    e->accept();
}

bool ClientWidget::focusNextPrevChild(bool) { return false; }

void ClientWidget::updateCursorAt(const QPoint& pos) {
    const bool hand = rect().contains(pos) && form_.cursorAt(pos.x(), pos.y()) == ui::Cursor::HandPoint;
    if (hand == hand_) return;
    hand_ = hand;
    if (hand)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

}  // namespace desktop
