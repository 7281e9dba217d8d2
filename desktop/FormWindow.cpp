#include "desktop/FormWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

#include "app/TextAlternative.h"
#include "desktop/MenuBar.h"
#include "desktop/QtBackend.h"
#include "desktop/QtText.h"
#include "ui/text/TextEngine.h"

namespace desktop {

// ---- FormWindow

FormWindow::FormWindow(QtBackend& backend, ui::Form& form)
    : QMainWindow(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      backend_(backend), form_(form) {
    setObjectName(QString::fromStdString(form.className()));
    client_ = new ClientWidget(backend, form, this);
    setCentralWidget(client_);
    // The keyboard belongs to the client area whenever the window is active.
    client_->setFocus();
    // The Esc items are usually invisible, and a hidden action takes no shortcut: the
    // window itself carries the Escape key.
    escape_ = new QAction(this);
    escape_->setShortcut(QKeySequence(Qt::Key_Escape));
    escape_->setShortcutContext(Qt::WindowShortcut);
    addAction(escape_);
    connect(escape_, &QAction::triggered, this, [this] { backend_.userEscape(form_); });
    syncAll();
}

QAction* FormWindow::action(const ui::MenuItem* item) const {
    for (const auto& [i, a] : actions_)
        if (i == item) return a;
    return nullptr;
}

void FormWindow::syncAll() {
    syncCaption();
    syncMenu();
    syncStatus();
    syncEnabled();
    syncGeometry();
}

void FormWindow::releaseWhileHidden() {
    if (!isVisible() && testAttribute(Qt::WA_WState_Created)) destroy();
}

void FormWindow::syncCaption() {
    setWindowTitle(toQString(form_.caption()));
    // What a screen reader says for the picture: the caption, then what the window shows.
    const app::TextAlternative alt = app::textAlternative(form_);
    client_->setAccessibleName(toQString(alt.caption));
    client_->setAccessibleDescription(toQString(alt.body()));
}

void FormWindow::syncEnabled() { setEnabled(form_.enabled()); }

void FormWindow::syncGeometry() {
    const int w = form_.clientWidth();
    const int h = std::max(0, form_.clientHeight() - form_.statusBarHeight());
    client_->setFixedSize(w, h);
    // The window is exactly menu bar, client and status bar; the bars take the client's width.
    int total = h;
    if (menuBar_ && menuBar_->isVisibleTo(this))
        total += menuBar_->hasHeightForWidth() ? menuBar_->heightForWidth(w) : menuBar_->sizeHint().height();
    if (statusBar_ && statusBar_->isVisibleTo(this)) total += ui::kStatusBarHeight;
    setFixedSize(w, total);
    move(form_.left(), form_.top());
}

void FormWindow::syncMenu() {
    std::vector<ui::MenuItem*> items;
    if (form_.menu()) items = form_.menu()->allItems();
    bool same = items.size() == actions_.size();
    for (size_t i = 0; same && i < items.size(); ++i) same = actions_[i].first == items[i];
    const bool rebuilt = !same || !menuBar_;
    if (rebuilt) buildMenu();
    for (const auto& [item, a] : actions_) updateAction(item, a);
    if (escape_) {
        const ui::MenuItem* esc = form_.menu() ? form_.menu()->findShortCut(ui::ShortCut::Escape) : nullptr;
        escape_->setEnabled(esc != nullptr);
    }
    const bool shown = form_.menuBarHeight() > 0;
    if (shown != menuBar_->isVisibleTo(this) || rebuilt) {
        menuBar_->setVisible(shown);
        syncGeometry();
    }
}

void FormWindow::buildMenu() {
    // A new bar replaces the old one; QMainWindow disposes of the old one later, so a
    // handler may change the menu from inside one of its own actions.
    actions_.clear();
    menuBar_ = new MenuBar(this);
    menuBar_->setNativeMenuBar(false);
    setMenuBar(menuBar_);
    if (!form_.menu()) {
        menuBar_->hide();
        return;
    }
    for (ui::MenuItem* item : form_.menu()->items()) {
        QAction* a = makeAction(item, menuBar_, false);
        menuBar_->addAction(a);
    }
    menuBar_->setVisible(form_.menuBarHeight() > 0);
}

QAction* FormWindow::makeAction(ui::MenuItem* item, QWidget* owner, bool inPopup) {
    QAction* a = nullptr;
    if (!item->items().empty()) {
        auto* m = new QMenu(owner);
        a = m->menuAction();
        actions_.emplace_back(item, a);
        addItems(m, item->items());
    } else {
        a = new QAction(owner);
        actions_.emplace_back(item, a);
        if (item->caption() == "-") a->setSeparator(true);
        connect(a, &QAction::triggered, this, [this, item] { backend_.userMenu(form_, *item); });
    }
    a->setProperty("metalloPopup", inPopup);
    return a;
}

void FormWindow::addItems(QMenu* menu, const std::vector<ui::MenuItem*>& items) {
    for (ui::MenuItem* item : items) menu->addAction(makeAction(item, menu, true));
}

void FormWindow::updateAction(ui::MenuItem* item, QAction* a) const {
    QString text = toQString(item->caption());
    // Inside a menu the Esc items show their key; the key itself belongs to the window.
    if (item->shortCut() == ui::ShortCut::Escape && a->property("metalloPopup").toBool()) text += QStringLiteral("\tEsc");
    a->setText(text);
    a->setVisible(item->visible());
    a->setEnabled(item->enabled());
}

void FormWindow::syncStatus() {
    const ui::StatusBar* sb = form_.statusBar();
    if (!sb) {
        if (statusBar_ && statusBar_->isVisibleTo(this)) {
            statusBar_->hide();
            syncGeometry();
        }
        return;
    }
    bool resize = false;
    if (!statusBar_) {
        resize = true;
        statusBar_ = new QStatusBar(this);
        statusBar_->setSizeGripEnabled(false);
        statusBar_->setFixedHeight(ui::kStatusBarHeight);
        statusBar_->setAutoFillBackground(true);
        statusLabel_ = new QLabel(statusBar_);
        statusLabel_->setTextFormat(Qt::PlainText);
        // A long text is cut off at the window's edge rather than widening the window.
        statusLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusBar_->addWidget(statusLabel_, 1);
        setStatusBar(statusBar_);
    }
    const std::u32string text = ui::text::mapForFace(sb->font.name, ui::text::decodeUtf8(sb->text()));
    statusLabel_->setText(QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())));
    statusLabel_->setFont(toQFont(sb->font));
    QPalette bar = statusBar_->palette();
    bar.setColor(QPalette::Window, toQColor(sb->color));
    statusBar_->setPalette(bar);
    QPalette label = statusLabel_->palette();
    label.setColor(QPalette::WindowText, toQColor(sb->font.color));
    statusLabel_->setPalette(label);
    if (!statusBar_->isVisibleTo(this)) {
        statusBar_->show();
        resize = true;
    }
    if (resize) syncGeometry();
}

bool FormWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) backend_.windowActivated(form_);
    return QMainWindow::event(e);
}

void FormWindow::closeEvent(QCloseEvent* e) {
    // The application decides: it hides the window or, for the main form, ends the program.
    e->ignore();
    backend_.userClose(form_);
}

}  // namespace desktop
