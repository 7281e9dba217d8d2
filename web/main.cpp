// metallographie in the browser: the program on a page of its own. The page (desktop.js)
// starts it with the screen size and clock it chose and passes the user's input in;
// the backend sends the windows, their menus and their pixels back.
#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>

#include "app/CommandLine.h"
#include "app/OpenPath.h"
#include "app/Program.h"
#include "app/Script.h"
#include "ui/Application.h"
#include "web/StudyBridge.h"
#include "web/WebBackend.h"

namespace {

struct Running {
    std::unique_ptr<ui::Application> application;
    std::unique_ptr<web::WebBackend> backend;
    std::unique_ptr<app::Program> program;
    std::string answer;  // the last string handed to the page
};

Running& running() {
    static Running r;
    return r;
}

web::WebBackend* backend() { return running().backend.get(); }

const char* answer(std::string s) {
    running().answer = std::move(s);
    return running().answer.c_str();
}

}  // namespace

extern "C" {

// Starts the program on a screen of w x h (clamped as --screen is). With a manual clock
// time moves only by the script's advance. Returns the line to show when `open` names
// no window that can be opened, else "".
EMSCRIPTEN_KEEPALIVE const char* mg_start(int w, int h, int manualClock, const char* open) {
    Running& r = running();
    if (r.program) return answer("");
    // The page's file system starts with a umask that leaves written files unreadable;
    // the script's pictures are read back from it.
    umask(022);
    w = std::clamp(w, app::kMinScreenWidth, app::kMaxScreenWidth);
    h = std::clamp(h, app::kMinScreenHeight, app::kMaxScreenHeight);
    r.application = std::make_unique<ui::Application>(w, h);
    r.backend = std::make_unique<web::WebBackend>(*r.application, manualClock != 0);
    r.program = std::make_unique<app::Program>(*r.application);
    web::attachStudy(*r.program);
    r.program->start();
    std::string message;
    if (open && *open) message = app::openWindow(*r.application, open);
    r.backend->push();
    return answer(message);
}

EMSCRIPTEN_KEEPALIVE void mg_frame(double nowMs) {
    if (backend()) backend()->frame(nowMs);
}

EMSCRIPTEN_KEEPALIVE void mg_pause() {
    if (backend()) backend()->pause();
}

EMSCRIPTEN_KEEPALIVE void mg_menu(int id, int item) {
    if (backend()) backend()->userMenu(id, item);
}

EMSCRIPTEN_KEEPALIVE void mg_escape(int id) {
    if (backend()) backend()->userEscape(id);
}

// Mouse on a window's client area: what 0 press, 1 move, 2 release; button 0 left,
// 1 middle, 2 right (the browser's numbering); shift as ui::Shift.
EMSCRIPTEN_KEEPALIVE void mg_mouse(int id, int what, int x, int y, int button, int shift) {
    if (!backend() || what < 0 || what > 2) return;
    const ui::MouseButton b = button == 2 ? ui::MouseButton::Right : button == 1 ? ui::MouseButton::Middle
                                                                                : ui::MouseButton::Left;
    backend()->userMouse(id, static_cast<web::WebBackend::Mouse>(what), x, y, b, static_cast<unsigned>(shift));
}

// Wheel notches (> 0 towards the user).
EMSCRIPTEN_KEEPALIVE void mg_wheel(int id, int x, int y, int notches, int shift) {
    if (backend()) backend()->userWheel(id, x, y, notches, static_cast<unsigned>(shift));
}

// A key (ui::vk code) or typed text for the active window; 1 when the program used it.
EMSCRIPTEN_KEEPALIVE int mg_key(int id, int key, int shift) {
    return backend() && backend()->userKey(id, key, static_cast<unsigned>(shift)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int mg_text(int id, const char* utf8) {
    return backend() && utf8 && backend()->userText(id, utf8) ? 1 : 0;
}

// The page's mirror of a control: it took the browser's focus, it was pressed, its value
// was set (a screen reader's actions), an edit's characters [start, end) were replaced.
EMSCRIPTEN_KEEPALIVE void mg_focus(int id, const char* control) {
    if (backend() && control) backend()->userFocus(id, control);
}

EMSCRIPTEN_KEEPALIVE void mg_press(int id, const char* control) {
    if (backend() && control) backend()->userPress(id, control);
}

EMSCRIPTEN_KEEPALIVE void mg_set(int id, const char* control, const char* value) {
    if (backend() && control && value) backend()->userSet(id, control, value);
}

EMSCRIPTEN_KEEPALIVE void mg_edit(int id, const char* control, int start, int end, const char* utf8) {
    if (backend() && control && utf8) backend()->userEdit(id, control, start, end, utf8);
}

EMSCRIPTEN_KEEPALIVE void mg_close(int id) {
    if (backend()) backend()->userClose(id);
}

EMSCRIPTEN_KEEPALIVE void mg_activate(int id) {
    if (backend()) backend()->userActivate(id);
}

// 1 when the mouse over client point (x, y) shows the hand.
EMSCRIPTEN_KEEPALIVE int mg_cursor_at(int id, int x, int y) {
    const ui::Form* f = backend() ? backend()->form(id) : nullptr;
    return f && f->visible() && f->cursorAt(x, y) == ui::Cursor::HandPoint ? 1 : 0;
}

// The client rectangle of a control as JSON, or "null".
EMSCRIPTEN_KEEPALIVE const char* mg_control_rect(const char* formClass, const char* control) {
    ui::Form* f = running().application ? running().application->findForm(formClass) : nullptr;
    const ui::Control* c = f ? f->findControl(control) : nullptr;
    if (!c) return answer("null");
    const ui::Rect r = c->clientRect();
    return answer("{\"left\":" + std::to_string(r.left) + ",\"top\":" + std::to_string(r.top) +
                  ",\"right\":" + std::to_string(r.right) + ",\"bottom\":" + std::to_string(r.bottom) + "}");
}

// Shows a window not modal (a window whose opener is not there).
EMSCRIPTEN_KEEPALIVE int mg_show(const char* formClass) {
    ui::Form* f = running().application ? running().application->findForm(formClass) : nullptr;
    if (!f || !backend()) return 0;
    f->Show();
    running().application->flush();
    backend()->push();
    return 1;
}

// The longest script the page takes, in bytes of UTF-8: the program's own limit.
EMSCRIPTEN_KEEPALIVE size_t mg_script_limit() { return app::kMaxScriptBytes; }

// Runs the `length` bytes of script at `text`, a copy the page made on the heap for this call.
// A longer text than the limit is refused unread (the page copies none of it, text is null),
// as --script refuses one from standard input; null with a length means there was no memory
// for the copy. The answer stays until the next call or mg_script_done.
EMSCRIPTEN_KEEPALIVE const char* mg_script(const char* text, size_t length) {
    using web::WebBackend;
    if (length > app::kMaxScriptBytes) return answer(WebBackend::refusal(2, app::scriptTooLong("die Standardeingabe")));
    if (!text && length > 0)
        return answer(WebBackend::refusal(1, "metallographie: für den Text des Skripts ist kein Speicher frei"));
    if (!backend()) return answer(WebBackend::refusal(1, "metallographie: das Programm ist noch nicht gestartet"));
    return answer(backend()->script(std::string(text ? text : "", length)));
}

// The page has read the answer: its memory (a script's output and pictures) goes back.
EMSCRIPTEN_KEEPALIVE void mg_script_done() { std::string().swap(running().answer); }

}  // extern "C"

int main() { return 0; }
