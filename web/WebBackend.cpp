#include "web/WebBackend.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>

#include "app/Script.h"
#include "app/TextAlternative.h"
#include "ui/Edit.h"
#include "ui/Look.h"
#include "web/Json.h"
#include "web/Mirror.h"

// The page's side of the bridge lives in desktop.js (window.mgPage).
EM_JS(void, mg_page_state, (int id, const char* json), { mgPage.state(id, UTF8ToString(json)); });
EM_JS(void, mg_page_hide, (int id), { mgPage.hide(id); });
EM_JS(void, mg_page_pixels, (int id, const uint8_t* rgba, int x, int y, int w, int h),
      { mgPage.pixels(id, HEAPU8.subarray(rgba, rgba + w * h * 4), x, y, w, h); });
EM_JS(void, mg_page_order, (const char* json), { mgPage.order(UTF8ToString(json)); });
EM_JS(void, mg_page_cursor, (int id), { mgPage.cursor(id); });
EM_JS(void, mg_page_quit, (int status), { mgPage.quit(status); });

namespace web {

namespace {
// A pause longer than this (a hidden tab, a stopped debugger) does not count as time
// the animations missed: the clock goes on from where it stood.
constexpr double kLongestFrameMs = 1000;
}  // namespace

WebBackend::WebBackend(ui::Application& app, bool manualClock) : HeadlessBackend(app), manualClock_(manualClock) {}

ui::Form* WebBackend::form(int id) const {
    const auto& forms = const_cast<WebBackend*>(this)->app().forms();
    return id >= 0 && static_cast<size_t>(id) < forms.size() ? forms[static_cast<size_t>(id)] : nullptr;
}

int WebBackend::idOf(const ui::Form& f) const {
    const auto& forms = const_cast<WebBackend*>(this)->app().forms();
    const auto it = std::find(forms.begin(), forms.end(), &f);
    return it == forms.end() ? -1 : static_cast<int>(it - forms.begin());
}

// ---- Time

void WebBackend::frame(double nowMs) {
    if (manualClock_ || quitRequested()) return;
    const double appNow = static_cast<double>(app().now());
    if (!clockStarted_ || paused_ || nowMs - clockOffset_ - appNow > kLongestFrameMs) {
        // The clock starts with the first frame and goes on after a pause from where it stood.
        clockOffset_ = nowMs - appNow;
        clockStarted_ = true;
        paused_ = false;
    }
    deliver([] {});
}

void WebBackend::pause() { paused_ = true; }

// ---- Input

template <class Event>
void WebBackend::deliver(Event&& event) {
    static std::vector<std::function<void()>> queue;
    if (busy_) {
        queue.emplace_back(std::forward<Event>(event));
        return;
    }
    busy_ = true;
    std::function<void()> next = std::forward<Event>(event);
    for (;;) {
        if (quitRequested()) break;
        if (!manualClock_ && clockStarted_) {
            const double t = emscripten_get_now() - clockOffset_;
            if (t > static_cast<double>(app().now())) app().advanceTo(static_cast<int64_t>(t), true);
        }
        if (!quitRequested()) next();
        if (queue.empty()) break;
        next = std::move(queue.front());
        queue.erase(queue.begin());
    }
    queue.clear();
    busy_ = false;
    push();
}

void WebBackend::userMenu(int id, int itemIndex) {
    deliver([this, id, itemIndex] {
        ui::Form* f = form(id);
        if (!f || !f->menu()) return;
        const auto items = f->menu()->allItems();
        if (itemIndex < 0 || static_cast<size_t>(itemIndex) >= items.size()) return;
        ui::MenuItem* item = items[static_cast<size_t>(itemIndex)];
        for (ui::MenuItem* p = item; p; p = p->parent())
            if (!p->visible() || !p->enabled()) return;
        app().menuClick(*f, *item);
    });
}

void WebBackend::userEscape(int id) {
    deliver([this, id] {
        if (ui::Form* f = form(id)) app().keyEscape(*f);
    });
}

void WebBackend::userClose(int id) {
    deliver([this, id] {
        if (ui::Form* f = form(id)) app().userClose(*f);
    });
}

void WebBackend::userActivate(int id) {
    deliver([this, id] {
        ui::Form* f = form(id);
        if (!f || !f->visible() || app().activeForm() == f) return;
        // A disabled window hands activation on to the modal window above it.
        app().userActivate(*f);
    });
}

void WebBackend::userMouse(int id, Mouse what, int x, int y, ui::MouseButton b, unsigned shift) {
    deliver([this, id, what, x, y, b, shift] {
        ui::Form* f = form(id);
        if (!f) return;
        if (what == Mouse::Down) app().mouseDown(*f, x, y, b, shift);
        else if (what == Mouse::Move) app().mouseMove(*f, x, y, shift);
        else app().mouseUp(*f, x, y, b, shift);
    });
}

void WebBackend::userWheel(int id, int x, int y, int notches, unsigned shift) {
    deliver([this, id, x, y, notches, shift] {
        if (ui::Form* f = form(id)) app().mouseWheel(*f, x, y, notches, shift);
    });
}

template <class Event>
bool WebBackend::deliverUsed(Event&& event) {
    // A waiting event runs later, when nobody asks for its answer any more.
    auto used = std::make_shared<bool>(false);
    deliver([used, event = std::forward<Event>(event)]() mutable { *used = event(); });
    return *used;
}

bool WebBackend::userKey(int id, int key, unsigned shift) {
    return deliverUsed([this, id, key, shift] {
        ui::Form* f = form(id);
        return f && app().keyDown(*f, key, shift);
    });
}

bool WebBackend::userText(int id, const std::string& utf8) {
    return deliverUsed([this, id, utf8] {
        ui::Form* f = form(id);
        return f && app().textInput(*f, utf8);
    });
}

template <class Act>
void WebBackend::onControl(int id, const std::string& control, Act&& act) {
    deliver([this, id, control, act = std::forward<Act>(act)]() mutable {
        ui::Form* f = form(id);
        ui::Control* c = f ? f->findControl(control) : nullptr;
        if (!c || !f->visible() || !f->enabled() || !c->usable()) return;
        if (app().activeForm() != f) app().userActivate(*f);
        c->setFocus();
        act(*f, *c);
        app().flush();
    });
}

void WebBackend::userFocus(int id, const std::string& control) {
    onControl(id, control, [](ui::Form&, ui::Control&) {});
}

void WebBackend::userPress(int id, const std::string& control) {
    onControl(id, control, [](ui::Form&, ui::Control& c) { c.press(); });
}

void WebBackend::userSet(int id, const std::string& control, const std::string& value) {
    onControl(id, control, [value](ui::Form&, ui::Control& c) { c.setValue(value); });
}

void WebBackend::userEdit(int id, const std::string& control, int start, int end, const std::string& utf8) {
    onControl(id, control, [this, start, end, utf8](ui::Form& f, ui::Control& c) {
        auto* e = dynamic_cast<ui::Edit*>(&c);
        if (!e) return;
        // What the browser's field did, done by the program's own keys and typing.
        e->select(start, end);
        if (!utf8.empty()) app().textInput(f, utf8);
        else if (start != end) app().keyDown(f, ui::vk::Delete);
    });
}

// ---- Script

namespace {
std::string base64(const std::string& bytes) {
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) | static_cast<unsigned char>(bytes[i + 2]);
        out += digits[v >> 18];
        out += digits[(v >> 12) & 63];
        out += digits[(v >> 6) & 63];
        out += digits[v & 63];
    }
    if (const size_t rest = bytes.size() - i; rest > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += digits[v >> 18];
        out += digits[(v >> 12) & 63];
        out += rest == 2 ? digits[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

// What a script prints, kept up to a limit: the text ends at the last whole line (or whole
// UTF-8 character) below it, and everything after is dropped unread, so that an endless
// output costs no memory.
class KeptOutput : public std::streambuf {
public:
    explicit KeptOutput(size_t limit) : limit_(limit) {}
    bool cut() const { return cut_; }
    const std::string& text() const { return text_; }

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (cut_ || n <= 0) return n;
        const size_t room = limit_ - text_.size();
        if (static_cast<size_t>(n) <= room) {
            text_.append(s, static_cast<size_t>(n));
            return n;
        }
        text_.append(s, room);
        cut_ = true;
        if (const size_t line = text_.rfind('\n'); line != std::string::npos) {
            text_.erase(line + 1);
        } else {
            // A character cut in two is left out.
            const auto byte = [this](size_t i) { return static_cast<unsigned char>(text_[i]); };
            size_t lead = text_.size();
            while (lead > 0 && (byte(lead - 1) & 0xC0) == 0x80) --lead;
            if (lead > 0 && byte(lead - 1) >= 0xC0) {
                const size_t b = byte(lead - 1), length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
                if (text_.size() - (lead - 1) < length) text_.erase(lead - 1);
            }
        }
        return n;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            const char ch = traits_type::to_char_type(c);
            xsputn(&ch, 1);
        }
        return traits_type::not_eof(c);
    }

private:
    size_t limit_;
    std::string text_;
    bool cut_ = false;
};
}  // namespace

std::string WebBackend::script(const std::string& text) {
    KeptOutput kept(kMaxOutputBytes);
    std::ostream out(&kept);
    std::ostringstream err;
    int status = 0;
    // The pictures the script wrote, in order, each once; they land in the page's memory
    // file system and go back as data. Nothing is touched before the script has been checked.
    std::vector<std::string> files;
    std::set<std::string> seen;
    deliver([&] {
        status = app::runScript(app(), *this, text, out, err, [&](const std::string& f) {
            if (seen.insert(f).second) files.push_back(f);
        });
    });
    if (kept.cut())
        err << "metallographie: die Ausgabe ist länger als 4 MiB; output endet mit der letzten ganzen Zeile davor\n";
    Json j;
    j.beginObject();
    j.key("status").number(status);
    j.key("output").string(kept.text());
    j.key("error").string(err.str());
    j.key("truncated").boolean(kept.cut());
    j.key("captures").beginObject();
    for (const std::string& f : files) {
        std::ifstream in(f, std::ios::binary);
        if (!in) continue;
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Pictures, and the spectra and tables that `save` writes.
        auto endsWith = [&f](const std::string& e) {
            return f.size() >= e.size() && f.compare(f.size() - e.size(), e.size(), e) == 0;
        };
        const char* type = endsWith(".csv") ? "text/csv" : endsWith(".msa") ? "text/plain" : "image/png";
        j.key(f).string(std::string("data:") + type + ";base64," + base64(bytes));
        in.close();
        std::remove(f.c_str());
    }
    j.endObject();
    j.endObject();
    return j.str();
}

std::string WebBackend::refusal(int status, const std::string& line) {
    Json j;
    j.beginObject();
    j.key("status").number(status);
    j.key("output").string("");
    j.key("error").string(line + "\n");
    j.key("truncated").boolean(false);
    j.key("captures").beginObject().endObject();
    j.endObject();
    return j.str();
}

// ---- What changed, to the page

void WebBackend::dirty(const ui::Form& f, unsigned flags) { pending_[&f].flags |= flags; }

void WebBackend::formPixelsChanged(ui::Form& f, const ui::raster::Rect& r) {
    Pending& p = pending_[&f];
    p.pixels = p.pixels.empty() ? r : p.pixels.united(r);
    if (!(p.flags & kControls) && sentControls_.count(&f) && mirrorMayMove(f, r)) p.flags |= kControls;
}

void WebBackend::formHidden(ui::Form& f) {
    pending_.erase(&f);
    sentControls_.erase(&f);
    rings_.erase(&f);
    mg_page_hide(idOf(f));
}

void WebBackend::quit(int status) {
    HeadlessBackend::quit(status);
    if (quitSent_) return;
    quitSent_ = true;
    pending_.clear();
    mg_page_quit(status);
}

bool WebBackend::push(size_t windows) {
    if (quitRequested()) return false;
    if (pending_.empty() && !orderDue_) return false;
    auto pending = std::move(pending_);
    pending_.clear();
    size_t sent = 0;
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        const ui::Form* form = it->first;
        const Pending& p = it->second;
        if (!form->visible()) continue;
        if (sent == windows) {
            // The rest waits for the next push, with what changed meanwhile.
            for (; it != pending.end(); ++it) {
                Pending& left = pending_[it->first];
                left.flags |= it->second.flags;
                if (!it->second.pixels.empty())
                    left.pixels = left.pixels.empty() ? it->second.pixels : left.pixels.united(it->second.pixels);
            }
            return true;
        }
        ++sent;
        if (p.flags & (kState | kControls)) sendState(*form, p.flags);
        orderDue_ = orderDue_ || (p.flags & kState);
        const ui::raster::Rect all{0, 0, form->clientWidth(), form->clientHeight()};
        ui::raster::Rect dirtyPixels = p.pixels;
        // Where a picture's focus ring was and is now, when it moved.
        ui::raster::Rect& sentRing = rings_[form];
        if (const ui::raster::Rect ring = form->focusRing(); ring != sentRing) {
            for (const ui::raster::Rect& changed : {sentRing, ring})
                if (!changed.empty()) dirtyPixels = dirtyPixels.empty() ? changed : dirtyPixels.united(changed);
            sentRing = ring;
        }
        const ui::raster::Rect r = (p.flags & kAllPixels) ? all : dirtyPixels.intersected(all);
        if (!r.empty() && form->hasPixels()) sendPixels(*form, r);
        if (p.flags & kCursor) mg_page_cursor(idOf(*form));
    }
    if (orderDue_) {
        orderDue_ = false;
        Json j;
        j.beginObject();
        j.key("active").number(app().activeForm() ? idOf(*app().activeForm()) : -1);
        j.key("z").beginArray();
        for (const ui::Form* f : app().zOrder()) j.number(idOf(*f));
        j.endArray();
        j.endObject();
        mg_page_order(j.str().c_str());
    }
    return false;
}

void WebBackend::sendState(const ui::Form& f, unsigned flags) {
    // The controls go along when they changed (and with the whole state, for a window
    // that has them); the page keeps what a message leaves out.
    std::string controls;
    if (hasMirror(f)) {
        Json c;
        writeControls(c, f);
        controls = c.str();
        auto [sent, fresh] = sentControls_.try_emplace(&f, controls);
        if (!fresh && sent->second == controls && !(flags & kState)) return;
        sent->second = controls;
    }
    Json j;
    j.beginObject();
    if (!controls.empty()) j.key("controls").raw(controls);
    if (!(flags & kState)) {
        j.endObject();
        mg_page_state(idOf(f), j.str().c_str());
        return;
    }
    j.key("cls").string(f.className());
    j.key("caption").string(f.caption());
    j.key("left").number(f.left());
    j.key("top").number(f.top());
    j.key("width").number(f.width());
    j.key("height").number(f.height());
    j.key("clientWidth").number(f.clientWidth());
    j.key("clientHeight").number(f.clientHeight());
    j.key("menuBar").number(f.menuBarHeight());
    j.key("enabled").boolean(f.enabled());
    j.key("modalDisabled").boolean(f.disabledByModal());
    const app::TextAlternative alt = app::textAlternative(f);
    j.key("description").string(alt.description);
    j.key("text").beginArray();
    for (const std::string& line : alt.lines) j.string(line);
    j.endArray();
    j.key("menu").beginArray();
    if (f.menu()) {
        const auto all = f.menu()->allItems();
        std::function<void(const std::vector<ui::MenuItem*>&)> items = [&](const std::vector<ui::MenuItem*>& list) {
            for (const ui::MenuItem* i : list) {
                j.beginObject();
                j.key("index").number(static_cast<int>(std::find(all.begin(), all.end(), i) - all.begin()));
                j.key("name").string(i->name());
                j.key("caption").string(i->caption());
                j.key("visible").boolean(i->visible() && i->shortCut() != ui::ShortCut::Escape);
                j.key("enabled").boolean(i->enabled());
                j.key("escape").boolean(i->shortCut() == ui::ShortCut::Escape);
                j.key("items").beginArray();
                items(i->items());
                j.endArray();
                j.endObject();
            }
        };
        items(f.menu()->items());
    }
    j.endArray();
    j.endObject();
    mg_page_state(idOf(f), j.str().c_str());
}

void WebBackend::sendPixels(const ui::Form& f, const ui::raster::Rect& r) {
    const ui::raster::Bitmap& b = f.buffer();
    const int statusTop = f.statusBar() ? b.height - f.statusBarHeight() : b.height;
    ui::raster::Bitmap status;
    if (r.bottom > statusTop) {
        // The status bar is drawn along the bottom of the client area, as a capture shows it.
        status = ui::raster::Bitmap(b.width, b.height - statusTop, 0);
        ui::headless::drawStatusBar(status, f);
    }
    const int w = r.width(), h = r.height();
    rgba_.resize(static_cast<size_t>(w) * h * 4);
    uint8_t* out = rgba_.data();
    for (int y = r.top; y < r.bottom; ++y) {
        const uint32_t* src = y >= statusTop ? status.pixels.data() + static_cast<size_t>(y - statusTop) * b.width
                                             : b.pixels.data() + static_cast<size_t>(y) * b.width;
        // R, G, B, 255 in memory order: one little-endian word per pixel.
        for (int x = r.left; x < r.right; ++x, out += 4) {
            const uint32_t p = src[x];
            const uint32_t rgba = 0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
            std::memcpy(out, &rgba, 4);
        }
    }
    // The ring of a focused picture lies over the pixels, as on the headless screen.
    const ui::raster::Rect ring = f.focusRing();
    if (!ring.intersected(r).empty()) {
        ui::raster::Bitmap marks(ring.width(), ring.height(), 0);
        ui::raster::Target t(marks, -ring.left, -ring.top, ui::raster::Rect{0, 0, marks.width, marks.height});
        ui::look::pictureRing(t, ring);
        const ui::raster::Rect both = ring.intersected(r);
        for (int y = both.top; y < both.bottom; ++y) {
            for (int x = both.left; x < both.right; ++x) {
                const uint32_t p = marks.pixels[static_cast<size_t>(y - ring.top) * marks.width + (x - ring.left)];
                if (!(p >> 24)) continue;
                uint8_t* px = rgba_.data() + (static_cast<size_t>(y - r.top) * w + (x - r.left)) * 4;
                px[0] = (p >> 16) & 0xFF;
                px[1] = (p >> 8) & 0xFF;
                px[2] = p & 0xFF;
            }
        }
    }
    mg_page_pixels(idOf(f), rgba_.data(), r.left, r.top, w, h);
}

}  // namespace web
