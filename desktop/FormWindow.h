// The top-level window of one form: caption, menu bar, client widget with the form's
// pixels, status bar. It shows what the form says and passes the user's input on to
// the backend.
#pragma once

#include <QMainWindow>
#include <utility>
#include <vector>

#include "desktop/ClientWidget.h"
#include "ui/Form.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;

namespace desktop {

class QtBackend;

class FormWindow : public QMainWindow {
public:
    FormWindow(QtBackend& backend, ui::Form& form);

    ui::Form& form() const { return form_; }
    ClientWidget* client() const { return client_; }
    QLabel* statusLabel() const { return statusLabel_; }
    // The window-level Escape shortcut (enabled while the form has an Esc item that takes it).
    QAction* escapeAction() const { return escape_; }
    // The Qt action that stands for a menu item (null if none).
    QAction* action(const ui::MenuItem* item) const;

    void syncAll();
    void syncCaption();
    void syncGeometry();
    void syncMenu();
    void syncStatus();
    void syncEnabled();
    // A hidden window gives its native window and the pixels Qt keeps for it back; showing
    // it again makes new ones.
    void releaseWhileHidden();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenu();
    void addItems(QMenu* menu, const std::vector<ui::MenuItem*>& items);
    QAction* makeAction(ui::MenuItem* item, QWidget* owner, bool inPopup);
    void updateAction(ui::MenuItem* item, QAction* a) const;

    QtBackend& backend_;
    ui::Form& form_;
    QMenuBar* menuBar_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    ClientWidget* client_ = nullptr;
    QAction* escape_ = nullptr;
    std::vector<std::pair<ui::MenuItem*, QAction*>> actions_;
};

}  // namespace desktop
