#include "desktop/QtBackend.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QEventLoop>
#include <algorithm>
#include <climits>
#include <utility>

#include "desktop/FormWindow.h"

namespace desktop {

namespace {
// How long a window the application activated may take to report it before the window
// manager's own choices count again.
constexpr qint64 kActivationGraceMs = 500;

// Brings a window to the front; the platforms without a window stack have nothing to raise.
void raiseWindow(QWidget* w) {
    static const bool stacked = QGuiApplication::platformName() != QLatin1String("offscreen") &&
                                QGuiApplication::platformName() != QLatin1String("minimal");
    if (stacked) w->raise();
}
}  // namespace

QtBackend::QtBackend(ui::Application& app) : app_(app) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    clock_.start();
    clockBase_ = app_.now();
    QApplication::setQuitOnLastWindowClosed(false);
    app_.setBackend(this);
}

QtBackend::~QtBackend() {
    destroyWindows();
    if (&app_.backend() == this) app_.setBackend(nullptr);
}

int64_t QtBackend::clockNow() const { return clockBase_ + clock_.elapsed(); }

int QtBackend::run() {
    int status = status_;
    if (!quit_) {
        // The clock starts with the event loop: building the windows takes no time of theirs.
        clockBase_ = app_.now();
        clock_.restart();
        schedule();
        QEventLoop loop;
        loop_ = &loop;
        // Ends with the status of quit(), or with Qt's own when Qt ends the program.
        status = loop.exec();
        loop_ = nullptr;
    }
    timer_.stop();
    destroyWindows();
    return status;
}

void QtBackend::destroyWindows() {
    // Hidden first, so that no window reports activation while the others go.
    for (auto& [form, w] : windows_) w->hide();
    windows_.clear();
    pendingActivation_ = nullptr;
}

FormWindow* QtBackend::find(const ui::Form& f) const {
    auto it = windows_.find(&f);
    return it == windows_.end() ? nullptr : it->second.get();
}

FormWindow& QtBackend::ensure(ui::Form& f) {
    if (FormWindow* w = find(f)) return *w;
    auto w = std::make_unique<FormWindow>(*this, f);
    FormWindow& ref = *w;
    windows_.emplace(&f, std::move(w));
    return ref;
}

QMainWindow* QtBackend::window(const ui::Form& f) const { return find(f); }

QWidget* QtBackend::clientWidget(const ui::Form& f) const {
    FormWindow* w = find(f);
    return w ? w->client() : nullptr;
}

// ---- What the application tells the windows

void QtBackend::formShown(ui::Form& f) {
    if (quit_) return;
    FormWindow& w = ensure(f);
    w.syncAll();
    w.show();
    raiseWindow(&w);
}

void QtBackend::formHidden(ui::Form& f) {
    if (FormWindow* w = find(f)) {
        w->hide();
        // Once the event that hid it is over, the window gives back what Qt holds for it
        // (the native window and its backing store: the form's size in pixels again).
        QTimer::singleShot(0, w, [w] { w->releaseWhileHidden(); });
    }
    if (pendingActivation_ == &f) pendingActivation_ = nullptr;
}

void QtBackend::formRaised(ui::Form& f) {
    if (FormWindow* w = find(f); w && f.visible()) raiseWindow(w);
}

void QtBackend::formGeometryChanged(ui::Form& f) {
    if (FormWindow* w = find(f)) w->syncGeometry();
}

void QtBackend::formCaptionChanged(ui::Form& f) {
    if (FormWindow* w = find(f)) w->syncCaption();
}

void QtBackend::formMenuChanged(ui::Form& f) {
    if (FormWindow* w = find(f)) w->syncMenu();
}

void QtBackend::formStatusChanged(ui::Form& f) {
    if (FormWindow* w = find(f)) w->syncStatus();
}

void QtBackend::formEnabledChanged(ui::Form& f) {
    if (FormWindow* w = find(f)) w->syncEnabled();
}

void QtBackend::formActivated(ui::Form& f) { activateWindowOf(f); }

void QtBackend::activateWindowOf(ui::Form& f) {
    FormWindow* w = find(f);
    if (!w || !f.visible()) return;
    raiseWindow(w);
    if (w->isActiveWindow()) return;
    pendingActivation_ = &f;
    pendingSince_.start();
    w->activateWindow();
}

void QtBackend::formPixelsChanged(ui::Form& f, const ui::raster::Rect& r) {
    FormWindow* w = find(f);
    if (!w || r.empty()) return;
    w->client()->update(QRect(r.left, r.top, r.width(), r.height()));
    w->client()->updateFocusRing();
}

void QtBackend::formControlsChanged(ui::Form& f) {
    if (FormWindow* w = find(f)) w->client()->updateFocusRing();
}

void QtBackend::formCursorChanged(ui::Form& f) {
    FormWindow* w = find(f);
    if (!w || !w->client()->underMouse()) return;
    w->client()->updateCursorAt(w->client()->mapFromGlobal(QCursor::pos()));
}

std::string QtBackend::clipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

void QtBackend::setClipboardText(const std::string& s) { QGuiApplication::clipboard()->setText(QString::fromStdString(s)); }

void QtBackend::timersChanged() { schedule(); }

void QtBackend::quit(int status) {
    if (quit_) return;
    quit_ = true;
    status_ = status;
    timer_.stop();
    // The application has let go of every window already.
    for (auto& [form, w] : windows_) w->hide();
    if (loop_) loop_->exit(status);
}

// ---- Time

void QtBackend::schedule() {
    if (quit_) {
        timer_.stop();
        return;
    }
    const int64_t due = app_.nextDue();
    if (due < 0) {
        timer_.stop();
        return;
    }
    const int64_t wait = std::clamp<int64_t>(due - clockNow(), 0, INT_MAX);
    timer_.start(static_cast<int>(wait));
}

void QtBackend::tick() {
    // Bringing the clock up to date is all a tick is: the due timers fire on the way.
    deliver(nullptr);
}

// ---- Input

void QtBackend::deliver(std::function<void()> event) {
    if (quit_) return;
    if (busy_) {
        QTimer::singleShot(0, this, [this, event = std::move(event)]() mutable { deliver(std::move(event)); });
        return;
    }
    busy_ = true;
    // Timers that fell due before this event tick first, and a timer the event restarts
    // counts from now.
    app_.advanceTo(clockNow(), false);
    if (event && !quit_) event();
    busy_ = false;
    schedule();
}

void QtBackend::userMenu(ui::Form& f, ui::MenuItem& item) {
    deliver([this, &f, &item] { app_.menuClick(f, item); });
}

void QtBackend::userEscape(ui::Form& f) {
    deliver([this, &f] { app_.keyEscape(f); });
}

void QtBackend::userMouseDown(ui::Form& f, int x, int y, ui::MouseButton b, unsigned shift) {
    deliver([this, &f, x, y, b, shift] { app_.mouseDown(f, x, y, b, shift); });
}

void QtBackend::userMouseMove(ui::Form& f, int x, int y, unsigned shift) {
    deliver([this, &f, x, y, shift] { app_.mouseMove(f, x, y, shift); });
}

void QtBackend::userMouseUp(ui::Form& f, int x, int y, ui::MouseButton b, unsigned shift) {
    deliver([this, &f, x, y, b, shift] { app_.mouseUp(f, x, y, b, shift); });
}

void QtBackend::userWheel(ui::Form& f, int x, int y, int notches, unsigned shift) {
    deliver([this, &f, x, y, notches, shift] { app_.mouseWheel(f, x, y, notches, shift); });
}

void QtBackend::userKey(ui::Form& f, int key, unsigned shift, std::string text) {
    deliver([this, &f, key, shift, text = std::move(text)] { app_.keyPress(f, key, shift, text); });
}

void QtBackend::userText(ui::Form& f, std::string text) {
    deliver([this, &f, text = std::move(text)] { app_.textInput(f, text); });
}

void QtBackend::userClose(ui::Form& f) {
    deliver([this, &f] { app_.userClose(f); });
}

void QtBackend::windowActivated(ui::Form& f) {
    if (pendingActivation_ == &f) pendingActivation_ = nullptr;
    deliver([this, &f] {
        if (app_.activeForm() == &f) return;
        if (pendingActivation_ && pendingSince_.elapsed() < kActivationGraceMs && pendingActivation_->visible()) {
            // The window manager is still catching up with the application's choice.
            ui::Form* wanted = const_cast<ui::Form*>(pendingActivation_);
            activateWindowOf(*wanted);
            return;
        }
        // A disabled form hands activation on to the modal form; the window follows.
        app_.userActivate(f);
        if (ui::Form* a = app_.activeForm(); a && a != &f) activateWindowOf(*a);
    });
}

}  // namespace desktop
