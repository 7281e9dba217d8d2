#include "desktop/ClientWidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QRegion>
#include <algorithm>

#include "desktop/PointerPixel.h"
#include "desktop/QtBackend.h"
#include "desktop/QtText.h"

namespace desktop {

ClientWidget::ClientWidget(QtBackend& backend, ui::Form& form, QWidget* parent)
    : QWidget(parent), backend_(backend), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
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
}

void ClientWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) pressed_ = true;
    QWidget::mousePressEvent(e);
}

void ClientWidget::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pos = formPixelAt(*this, e->position(), true);
    if (e->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        // A click is press and release on the client area, as on the classic desktop.
        if (rect().contains(pos)) backend_.userClick(form_, pos.x(), pos.y());
    }
    updateCursorAt(pos);
    QWidget::mouseReleaseEvent(e);
}

void ClientWidget::mouseMoveEvent(QMouseEvent* e) {
    updateCursorAt(formPixelAt(*this, e->position(), false));
    QWidget::mouseMoveEvent(e);
}

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
