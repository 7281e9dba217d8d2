#include "desktop/MenuBar.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcutEvent>
#include <QStyleOptionMenuItem>
#include <algorithm>
#include <functional>

namespace desktop {

namespace {

// The letter after the "&" of a caption, upper case ("&&" is a plain ampersand); null if none.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

// Calls back at every mouse press anywhere in the program.
class ClickWatch : public QObject {
public:
    explicit ClickWatch(std::function<void()> clicked) : clicked_(std::move(clicked)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::NonClientAreaMouseButtonPress) clicked_();
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> clicked_;
};

bool isChoosingKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Down ||
           key == Qt::Key_Up;
}

}  // namespace

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent) {}

MenuBar::~MenuBar() = default;

std::vector<QAction*> MenuBar::usable() const {
    std::vector<QAction*> items;
    for (QAction* a : actions())
        if (a->isVisible() && a->isEnabled() && !a->isSeparator() && !actionGeometry(a).isEmpty()) items.push_back(a);
    return items;
}

bool MenuBar::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        // Alt and a letter. Qt grabs the mnemonic of every item, shown or not, and opens the
        // first item that has the letter; here only the usable items count.
        const QKeySequence key = static_cast<QShortcutEvent*>(e)->key();
        std::vector<QAction*> items;
        for (QAction* a : usable())
            if (QKeySequence::mnemonic(a->text()) == key) items.push_back(a);
        if (!items.empty()) letter(items);
        e->accept();
        return true;
    }
    if (e->type() == QEvent::ShortcutOverride && highlighted_) {
        // While an item is highlighted, Esc and plain keys belong to the bar, not to the
        // window's shortcuts (its Esc item).
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier) {
            e->accept();
            return true;
        }
    }
    return QMenuBar::event(e);
}

void MenuBar::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (highlighted_ && mods == Qt::NoModifier) {
        switch (e->key()) {
            case Qt::Key_Escape: endHighlight(); e->accept(); return;
            case Qt::Key_Left:
            case Qt::Key_Backtab: moveHighlight(-1); e->accept(); return;
            case Qt::Key_Right:
            case Qt::Key_Tab: moveHighlight(+1); e->accept(); return;
            default:
                if (isChoosingKey(e->key())) {
                    choose(highlighted_);
                    e->accept();
                    return;
                }
        }
    }
    // A letter while the bar has the keyboard: ours, or Qt's after Alt alone or after Esc
    // closed one of the menus.
    const QString text = e->text();
    if ((highlighted_ || hasFocus()) && (mods == Qt::NoModifier || mods == Qt::AltModifier) && text.size() == 1 &&
        text[0].isPrint() && !text[0].isSpace()) {
        const QChar wanted = text[0].toUpper();
        std::vector<QAction*> items;
        for (QAction* a : usable())
            if (mnemonicOf(a->text()) == wanted) items.push_back(a);
        if (!items.empty()) {
            letter(items);
            e->accept();
            return;
        }
        if (highlighted_) {  // a letter no item has changes nothing
            e->accept();
            return;
        }
    }
    if (highlighted_) {
        e->accept();
        return;
    }
    QMenuBar::keyPressEvent(e);
}

void MenuBar::focusOutEvent(QFocusEvent* e) {
    endHighlight();
    QMenuBar::focusOutEvent(e);
}

void MenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    // Drawn as the item of an open menu is: every style shows that one.
    if (highlighted_ && action == highlighted_)
        option->state |= QStyle::State_Selected | QStyle::State_Sunken | QStyle::State_HasFocus;
}

void MenuBar::letter(const std::vector<QAction*>& items) {
    if (items.size() == 1) {
        choose(items.front());
        return;
    }
    QAction* current = highlighted_ ? highlighted_.data() : activeAction();
    auto at = std::find(items.begin(), items.end(), current);
    highlight(at == items.end() || at + 1 == items.end() ? items.front() : *(at + 1));
}

void MenuBar::highlight(QAction* item) {
    if (!highlighted_) {
        if (activeAction()) {
            // Qt's own highlight (its keyboard mode, or the pointer over an item) gives way.
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QMenuBar::keyPressEvent(&escape);
        }
        QWidget* focus = QApplication::focusWidget();
        focusBefore_ = focus != this ? focus : nullptr;
        clickWatch_ = std::make_unique<ClickWatch>([this] { endHighlight(); });
        qApp->installEventFilter(clickWatch_.get());
    }
    highlighted_ = item;
    setFocus(Qt::MenuBarFocusReason);
    update();
}

void MenuBar::moveHighlight(int step) {
    const std::vector<QAction*> items = usable();
    if (items.empty()) return;
    const auto at = std::find(items.begin(), items.end(), highlighted_.data());
    const auto n = static_cast<long>(items.size());
    const long index = at == items.end() ? 0 : ((at - items.begin()) + step + n) % n;
    highlighted_ = items[static_cast<size_t>(index)];
    update();
}

void MenuBar::endHighlight() {
    if (!highlighted_) return;
    highlighted_ = nullptr;
    if (clickWatch_) {
        qApp->removeEventFilter(clickWatch_.get());
        // Possibly called from inside the watcher's own filter: it goes once that is over.
        clickWatch_.release()->deleteLater();
    }
    update();
    const QPointer<QWidget> before = focusBefore_;
    focusBefore_ = nullptr;
    if (hasFocus()) {
        if (before)
            before->setFocus(Qt::MenuBarFocusReason);
        else
            clearFocus();
    }
}

void MenuBar::choose(QAction* item) {
    endHighlight();
    if (!item || !item->isVisible() || !item->isEnabled()) return;
    if (QMenu* menu = item->menu()) {
        // Opened from the keyboard: its first entry is highlighted, so Enter chooses it.
        setActiveAction(item);
        for (QAction* a : menu->actions()) {
            if (a->isVisible() && a->isEnabled() && !a->isSeparator()) {
                menu->setActiveAction(a);
                break;
            }
        }
    } else {
        item->trigger();
    }
}

}  // namespace desktop
