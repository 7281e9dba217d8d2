// The menu bar of a form's window, with the letters of the classic desktop: Alt and a
// letter that only one item of the bar has chooses that item at once (opens its menu
// with the first entry highlighted, or runs it); a letter that several items share only
// moves the highlight to the next of them, and Enter (or a letter only one item has)
// chooses the highlighted one. While an item is highlighted the bar has the keyboard:
// the arrow keys move the highlight, Esc ends it, a click anywhere ends it too.
// (Qt's own bar opens the first of the items at once, so the others can never be
// reached with the keyboard.)
#pragma once

#include <QMenuBar>
#include <QPointer>
#include <memory>
#include <vector>

class QAction;

namespace desktop {

class MenuBar : public QMenuBar {
public:
    explicit MenuBar(QWidget* parent);
    ~MenuBar() override;

    // The item the letters highlighted (null when there is none).
    QAction* highlighted() const { return highlighted_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

private:
    // The items of the bar that can be chosen now (shown, enabled, not separators), in order.
    std::vector<QAction*> usable() const;
    // Several items: the highlight moves to the next of them; one: it is chosen.
    void letter(const std::vector<QAction*>& items);
    void highlight(QAction* item);
    void moveHighlight(int step);
    void endHighlight();
    void choose(QAction* item);

    QPointer<QAction> highlighted_;
    QPointer<QWidget> focusBefore_;
    // While an item is highlighted: ends the highlight at a click anywhere (a click on
    // what takes no keyboard focus, the status bar, would leave the bar holding it).
    std::unique_ptr<QObject> clickWatch_;
};

}  // namespace desktop
