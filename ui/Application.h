// The application: forms in creation order (the first is the main form), the screen,
// the modal stack, the active form, z-order, timers on one clock, and the paint flush
// that follows every event.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Backend.h"
#include "ui/Form.h"

namespace ui {

class Application {
public:
    Application(int screenWidth, int screenHeight);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    int screenWidth() const { return screenW_; }
    int screenHeight() const { return screenH_; }
    void setScreenSize(int w, int h);

    void setBackend(Backend* b) { backend_ = b; }
    Backend& backend() { return backend_ ? *backend_ : nullBackend_; }

    // Runs the form's create handler and records it in creation order.
    void create(Form& f);
    const std::vector<Form*>& forms() const { return forms_; }
    Form* findForm(const std::string& className) const;
    Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    Form* activeForm() const { return active_; }
    // Visible forms, bottom first.
    const std::vector<Form*>& zOrder() const { return zorder_; }
    std::vector<Form*> modalStack() const;
    bool terminated() const { return terminated_; }

    // The operations forms call. A form shown not modal belongs to the form it was shown
    // from (directly or through the forms it belongs to): showing that owner modally
    // leaves it usable; any other modal form disables it.
    void show(Form& f);
    void showModal(Form& f);
    bool belongsTo(const Form& f, const Form& owner) const;
    void close(Form& f);
    void activate(Form& f);

    // Events from the backend; each one ends with a paint flush.
    bool menuClick(Form& f, MenuItem& item);  // false when the item or form takes no input
    bool keyEscape(Form& f);
    // A press and release at one point.
    bool mouseClick(Form& f, int x, int y);
    // Mouse, wheel, keys and typed text (client coordinates). A control that takes the
    // mouse holds it from press to release; elsewhere a release is a click on what lies
    // under it. Keys go to the open drop-down list, F1 to OnHelp, then to the focused
    // control; Tab moves the focus, Enter presses the default button, Esc chooses the
    // window's Esc item. Each returns false when the form takes no input.
    bool mouseDown(Form& f, int x, int y, MouseButton b = MouseButton::Left, unsigned shift = ssNone);
    bool mouseMove(Form& f, int x, int y, unsigned shift = ssNone);
    bool mouseUp(Form& f, int x, int y, MouseButton b = MouseButton::Left, unsigned shift = ssNone);
    bool mouseWheel(Form& f, int x, int y, int notches, unsigned shift = ssNone);
    bool keyDown(Form& f, int key, unsigned shift = ssNone);
    bool textInput(Form& f, std::string_view utf8);
    // A key press as a keyboard gives it: the key, and when no control used it, its text
    // (none with Ctrl or Alt held).
    bool keyPress(Form& f, int key, unsigned shift, std::string_view text);
    // What F1 does in a window (the program opens its glossary there).
    std::function<void(Form&)> OnHelp;
    // Hears every window that becomes visible (after its show handler).
    std::function<void(Form&)> OnShown;
    void userActivate(Form& f);
    void userClose(Form& f);

    // Timers on the one clock (milliseconds).
    int64_t now() const { return now_; }
    // Lets time pass up to `t`, firing due timers one at a time in time order (ties in
    // creation order). With `catchUp` every missed tick fires; without it a timer that
    // fell behind fires once and continues from `t`.
    void advanceTo(int64_t t, bool catchUp = true);
    // The earliest due time of an enabled timer, or -1.
    int64_t nextDue() const;

    void flush();

private:
    friend class Form;
    friend class Timer;
    void registerTimer(Timer* t);
    void unregisterTimer(Timer* t);
    void timerRestarted(Timer& t);
    void raise(Form& f);
    void hide(Form& f);
    // Takes a form out of the modal frames that disabled it and enables it.
    void release(Form& f);
    Form* topEnabled() const;
    bool takesInput(const Form& f) const { return !terminated_ && f.visible() && f.enabled(); }

    struct ModalFrame {
        Form* form;
        std::vector<Form*> disabled;
    };

    int screenW_;
    int screenH_;
    Backend* backend_ = nullptr;
    Backend nullBackend_;
    std::vector<Form*> forms_;
    std::vector<Form*> zorder_;
    std::vector<ModalFrame> modalFrames_;
    std::vector<Timer*> timers_;
    Form* active_ = nullptr;
    int64_t now_ = 0;
    uint64_t timerSerial_ = 0;
    bool terminated_ = false;
    int eventDepth_ = 0;
};

}  // namespace ui
