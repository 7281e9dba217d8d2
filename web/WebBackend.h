// The browser backend: each shown form is an HTML window (caption, close box, menu bar)
// around a canvas that receives the form's client pixels; the page's input comes back
// through the same event path as on the desktop. It builds on the headless backend, so
// the page can run the headless script language on the live program.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/headless/Headless.h"

namespace web {

class WebBackend : public ui::headless::HeadlessBackend {
public:
    WebBackend(ui::Application& app, bool manualClock);

    // The form of a page window id (its index in creation order), or null.
    ui::Form* form(int id) const;
    int idOf(const ui::Form& f) const;

    // One animation frame at `nowMs` of the page's clock (live clock only).
    void frame(double nowMs);
    // The page was hidden: the clock stops until the next frame after it is shown again.
    void pause();

    // The user's input, one event each: the clock first, then the event, then what
    // changed goes to the page. An event that arrives while one runs waits its turn.
    void userMenu(int id, int itemIndex);
    void userEscape(int id);
    void userClose(int id);
    void userActivate(int id);
    // Mouse (pen and touch alike) and wheel on a window's client area, in client pixels.
    enum class Mouse { Down, Move, Up };
    void userMouse(int id, Mouse what, int x, int y, ui::MouseButton b, unsigned shift);
    void userWheel(int id, int x, int y, int notches, unsigned shift);
    // A key (ui::vk code) and typed text for the active window; whether the program used it.
    bool userKey(int id, int key, unsigned shift);
    bool userText(int id, const std::string& utf8);
    // What the page's mirror of a control asks for (a screen reader, a phone's keyboard):
    // the focus, a press, a value, an edit's characters [start, end) replaced by a text.
    void userFocus(int id, const std::string& control);
    void userPress(int id, const std::string& control);
    void userSet(int id, const std::string& control, const std::string& value);
    void userEdit(int id, const std::string& control, int start, int end, const std::string& utf8);

    // Runs script lines as --headless does; returns the page's JSON answer: status, output,
    // error, truncated, captures (the pictures written, by the names the script gave them;
    // their files are removed from the page's file system). Of the output the answer holds
    // at most kMaxOutputBytes, up to the last whole line; the script itself runs to its end.
    static constexpr size_t kMaxOutputBytes = 4 * 1024 * 1024;
    std::string script(const std::string& text);
    // The answer for a script that is not run: `status` and one line on the error output.
    static std::string refusal(int status, const std::string& line);

    // Sends the windows' changes (state, order, pixels) to the page; at most `windows`
    // windows' at once (the order goes with the last of them). True when some are left.
    bool push(size_t windows = SIZE_MAX);

    // ui::Backend
    void formShown(ui::Form& f) override { dirty(f, kState | kAllPixels); }
    void formHidden(ui::Form& f) override;
    void formRaised(ui::Form& f) override { dirty(f, kState); }
    void formGeometryChanged(ui::Form& f) override { dirty(f, kState | kAllPixels); }
    void formCaptionChanged(ui::Form& f) override { dirty(f, kState); }
    void formMenuChanged(ui::Form& f) override { dirty(f, kState); }
    void formStatusChanged(ui::Form& f) override { dirty(f, kState | kAllPixels); }
    void formEnabledChanged(ui::Form& f) override { dirty(f, kState); }
    void formActivated(ui::Form& f) override { dirty(f, kState); }
    void formPixelsChanged(ui::Form& f, const ui::raster::Rect& r) override;
    void formCursorChanged(ui::Form& f) override { dirty(f, kCursor); }
    void formControlsChanged(ui::Form& f) override { dirty(f, kControls); }
    void quit(int status) override;

private:
    enum : unsigned { kState = 1, kAllPixels = 2, kCursor = 4, kControls = 8 };
    struct Pending {
        unsigned flags = 0;
        ui::raster::Rect pixels;
    };
    template <class Event>
    void deliver(Event&& event);
    // Delivers an event that answers whether the program used it (false when it waits).
    template <class Event>
    bool deliverUsed(Event&& event);
    // Runs `act` on a control of a window that takes input, as a user's action on it:
    // the window becomes active, the control takes the focus.
    template <class Act>
    void onControl(int id, const std::string& control, Act&& act);
    void dirty(const ui::Form& f, unsigned flags);
    void sendState(const ui::Form& f, unsigned flags);
    void sendPixels(const ui::Form& f, const ui::raster::Rect& r);

    bool manualClock_;
    bool busy_ = false;
    bool paused_ = false;
    double clockOffset_ = 0;  // application time = page time - offset
    bool clockStarted_ = false;
    bool quitSent_ = false;
    bool orderDue_ = false;  // a window's state went out, the order not yet
    std::map<const ui::Form*, Pending> pending_;
    std::map<const ui::Form*, std::string> sentControls_;  // the controls the page has, as sent
    std::map<const ui::Form*, ui::raster::Rect> rings_;    // the picture rings the page shows
    std::vector<uint8_t> rgba_;
};

}  // namespace web
