// The widget inside a form's window that shows the form's pixels and passes the user's
// mouse, wheel, keys and typed text on to the backend.
#pragma once

#include <QWidget>

#include "ui/Form.h"

namespace desktop {

class QtBackend;

// Shows the form's buffer (above the status bar), takes the input and the cursor.
class ClientWidget : public QWidget {
public:
    ClientWidget(QtBackend& backend, ui::Form& form, QWidget* parent);
    QSize sizeHint() const override;
    void updateCursorAt(const QPoint& pos);
    // Repaints where the ring of a focused picture was and now is, when it moved.
    void updateFocusRing();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    // Tab and Shift+Tab move the focus among the form's controls, so they come as keys.
    bool focusNextPrevChild(bool next) override;

private:
    QtBackend& backend_;
    ui::Form& form_;
    // The button whose press went to the form, until its release.
    Qt::MouseButton held_ = Qt::NoButton;
    // Wheel turns short of a whole notch (Qt's eighths of a degree, 120 to a notch).
    int wheel_ = 0;
    bool hand_ = false;
    // The picture ring shown last (form client coordinates).
    QRect ring_;
};

}  // namespace desktop
