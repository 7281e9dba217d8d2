// metallographie in the browser: the program on a page of its own. The page (desktop.js)
// starts it with the screen size and clock it chose and passes the user's input in;
// the backend sends the windows, their menus and their pixels back.
#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "app/CommandLine.h"
#include "app/OpenPath.h"
#include "app/Program.h"
#include "app/Script.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "web/StudyBridge.h"
#include "web/WebBackend.h"

namespace {

// Start-up, a step per call of mg_start_step, so that the page can give the browser the
// thread between them: the windows and the photographs the first picture shows (as much of
// them per step as its time allows), the title window, each window on the way to the one
// the page asked for, each window's first picture to the page.
enum class Step { Windows, Photos, Title, Open, Push, Ready };

struct Running {
    std::unique_ptr<ui::Application> application;
    std::unique_ptr<web::WebBackend> backend;
    std::unique_ptr<app::Program> program;
    Step step = Step::Windows;
    std::vector<std::string> open;  // the windows to open once the title window shows, one per step
    std::string message;  // why it could not be opened, else ""
    std::string answer;   // the last string handed to the page
};

Running& running() {
    static Running r;
    return r;
}

// The backend once start-up is over: before that the page's calls find no program.
web::WebBackend* backend() { return running().step == Step::Ready ? running().backend.get() : nullptr; }

// The windows once start-up is over.
ui::Form* startedForm(const char* formClass) {
    return backend() ? running().application->findForm(formClass) : nullptr;
}

// Decodes the photographs of the title window and of the windows to open, a few rows at a
// time, until `untilMs`; false once none is left. Their first paint then finds them decoded.
bool decodeFirstPhotos(double untilMs) {
    constexpr int kRowsAtOnce = 16;
    Running& r = running();
    std::vector<const ui::Form*> first{&r.program->title()};
    for (const std::string& what : r.open)
        if (const ui::Form* f = r.application->findForm(what.substr(0, what.find(':')))) first.push_back(f);
    for (const ui::Form* f : first)
        for (ui::Control* c : f->controls())
            if (auto* image = dynamic_cast<ui::Image*>(c))
                while (!image->decodeRows(kRowsAtOnce))
                    if (emscripten_get_now() >= untilMs) return true;
    return false;
}

const char* answer(std::string s) {
    running().answer = std::move(s);
    return running().answer.c_str();
}

}  // namespace

extern "C" {

// Starts the program on a screen of w x h (clamped as --screen is); mg_start_step then
// goes on with it. With a manual clock time moves only by the script's advance. `open` names
// the window to open after the title window.
EMSCRIPTEN_KEEPALIVE void mg_start(int w, int h, int manualClock, const char* open) {
    Running& r = running();
    if (r.program) return;
    // The page's file system starts with a umask that leaves written files unreadable;
    // the script's pictures are read back from it.
    umask(022);
    w = std::clamp(w, app::kMinScreenWidth, app::kMaxScreenWidth);
    h = std::clamp(h, app::kMinScreenHeight, app::kMaxScreenHeight);
    r.application = std::make_unique<ui::Application>(w, h);
    r.backend = std::make_unique<web::WebBackend>(*r.application, manualClock != 0);
    r.program = std::make_unique<app::Program>(*r.application);
    if (open && *open) r.open = app::openPath(open);
    web::attachStudy(*r.program);
}

// One step of the start-up; windows are created for about `budgetMs` (at least one).
// 1 while steps are left.
EMSCRIPTEN_KEEPALIVE int mg_start_step(double budgetMs) {
    Running& r = running();
    if (!r.program) return 0;
    switch (r.step) {
        case Step::Windows: {
            const double until = emscripten_get_now() + budgetMs;
            bool more = r.program->createNextWindow();
            while (more && emscripten_get_now() < until) more = r.program->createNextWindow();
            if (!more) r.step = Step::Photos;
            break;
        }
        case Step::Photos:
            if (!decodeFirstPhotos(emscripten_get_now() + budgetMs)) r.step = Step::Title;
            break;
        case Step::Title:
            r.program->finishStart();
            r.step = Step::Open;
            break;
        case Step::Open:
            // The windows on the way first; what the last one says is the answer.
            if (!r.open.empty()) {
                r.message = app::openWindow(*r.application, r.open.front());
                r.open.erase(r.open.begin());
            }
            if (r.open.empty()) r.step = Step::Push;
            break;
        case Step::Push:
            if (!r.backend->push(1)) r.step = Step::Ready;
            break;
        case Step::Ready: break;
    }
    return r.step == Step::Ready ? 0 : 1;
}

// The line to show when the window to open is none that can be opened, else "".
EMSCRIPTEN_KEEPALIVE const char* mg_start_message() { return answer(running().message); }

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
    ui::Form* f = startedForm(formClass);
    const ui::Control* c = f ? f->findControl(control) : nullptr;
    if (!c) return answer("null");
    const ui::Rect r = c->clientRect();
    return answer("{\"left\":" + std::to_string(r.left) + ",\"top\":" + std::to_string(r.top) +
                  ",\"right\":" + std::to_string(r.right) + ",\"bottom\":" + std::to_string(r.bottom) + "}");
}

// Shows a window not modal (a window whose opener is not there).
EMSCRIPTEN_KEEPALIVE int mg_show(const char* formClass) {
    ui::Form* f = startedForm(formClass);
    if (!f) return 0;
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
