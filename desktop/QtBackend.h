// The desktop backend: every form of the application as a real top-level window
// (Qt 6 Widgets), its timers on one Qt timer, the user's input passed to the
// application one event at a time.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/Application.h"
#include "ui/Backend.h"

class QEventLoop;
class QMainWindow;
class QWidget;

namespace desktop {

class FormWindow;

class QtBackend : public QObject, public ui::Backend {
public:
    // Needs the QApplication; installs itself as the application's backend.
    explicit QtBackend(ui::Application& app);
    ~QtBackend() override;

    ui::Application& app() { return app_; }

    // Runs the event loop until the main form is closed; returns the exit status.
    // The windows are gone afterwards.
    int run();
    bool quitRequested() const { return quit_; }

    // The window that shows a form (null until the form is first shown).
    QMainWindow* window(const ui::Form& f) const;
    // The widget inside it that shows the form's pixels.
    QWidget* clientWidget(const ui::Form& f) const;

    // ui::Backend
    void formShown(ui::Form& f) override;
    void formHidden(ui::Form& f) override;
    void formRaised(ui::Form& f) override;
    void formGeometryChanged(ui::Form& f) override;
    void formCaptionChanged(ui::Form& f) override;
    void formMenuChanged(ui::Form& f) override;
    void formStatusChanged(ui::Form& f) override;
    void formEnabledChanged(ui::Form& f) override;
    void formActivated(ui::Form& f) override;
    void formPixelsChanged(ui::Form& f, const ui::raster::Rect& r) override;
    void formCursorChanged(ui::Form& f) override;
    void formControlsChanged(ui::Form& f) override;
    // The desktop's clipboard (plain text), shared with the other programs.
    std::string clipboardText() override;
    void setClipboardText(const std::string& s) override;
    void timersChanged() override;
    void quit(int status) override;

    // Input from the windows. Each one is one event of the application: the clock is
    // brought up to date first (due timers tick), the paint flush follows. Input that
    // arrives while the application is busy (Qt delivering an event from inside a call
    // of ours) waits for the next turn of the event loop.
    void userMenu(ui::Form& f, ui::MenuItem& item);
    void userEscape(ui::Form& f);
    void userMouseDown(ui::Form& f, int x, int y, ui::MouseButton b, unsigned shift);
    void userMouseMove(ui::Form& f, int x, int y, unsigned shift);
    void userMouseUp(ui::Form& f, int x, int y, ui::MouseButton b, unsigned shift);
    void userWheel(ui::Form& f, int x, int y, int notches, unsigned shift);
    // A key press: the key (0 for one the windows do not know) and, if the program does
    // not use the key, the text it types (empty for none).
    void userKey(ui::Form& f, int key, unsigned shift, std::string text);
    // Text an input method or a dead key composed.
    void userText(ui::Form& f, std::string text);
    void userClose(ui::Form& f);
    void windowActivated(ui::Form& f);

    // Milliseconds on the application's clock.
    int64_t clockNow() const;

private:
    void deliver(std::function<void()> event);
    void schedule();
    void tick();
    FormWindow* find(const ui::Form& f) const;
    FormWindow& ensure(ui::Form& f);
    void activateWindowOf(ui::Form& f);
    void destroyWindows();

    ui::Application& app_;
    std::map<const ui::Form*, std::unique_ptr<FormWindow>> windows_;
    QTimer timer_;
    QElapsedTimer clock_;
    int64_t clockBase_ = 0;
    bool busy_ = false;
    bool quit_ = false;
    int status_ = 0;
    QPointer<QEventLoop> loop_;
    // The form the application made active, until its window reports activation:
    // other windows the window manager activates meanwhile do not count as a choice.
    const ui::Form* pendingActivation_ = nullptr;
    QElapsedTimer pendingSince_;
};

}  // namespace desktop
