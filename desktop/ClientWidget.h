// The widget inside a form's window that shows the form's pixels and passes the user's
// mouse on to the backend.
#pragma once

#include <QWidget>

#include "ui/Form.h"

namespace desktop {

class QtBackend;

// Shows the form's buffer (above the status bar) and takes clicks and the cursor.
class ClientWidget : public QWidget {
public:
    ClientWidget(QtBackend& backend, ui::Form& form, QWidget* parent);
    QSize sizeHint() const override;
    void updateCursorAt(const QPoint& pos);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QtBackend& backend_;
    ui::Form& form_;
    bool pressed_ = false;
    bool hand_ = false;
};

}  // namespace desktop
