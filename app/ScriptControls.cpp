#include "app/ScriptControls.h"

#include <charconv>
#include <cstdlib>

#include "app/CommandLine.h"
#include "ui/Buttons.h"
#include "ui/Edit.h"

namespace app {

namespace {

bool toInt(const std::string& s, int& v) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

bool pressable(const ui::Control* c) {
    return dynamic_cast<const ui::Button*>(c) || dynamic_cast<const ui::CheckBox*>(c) ||
           dynamic_cast<const ui::LinkLabel*>(c);
}

bool settable(const ui::Control* c) {
    const std::string k = c->kind();
    return k == "CheckBox" || k == "RadioGroup" || k == "TrackBar" || k == "ComboBox" || k == "Edit" || k == "ListBox";
}

// Tabs and line breaks of a control's text would break the line's columns.
std::string oneField(const std::string& s) {
    std::string out;
    for (char ch : s) {
        if (ch == '\t') out += "\\t";
        else if (ch == '\n') out += "\\n";
        else if (ch == '\r') out += "\\r";
        else out += ch;
    }
    return out;
}

// Why the window or the control takes no user's change now, or "".
std::string unusable(const ui::Form& f, const ui::Control* c) {
    if (!f.visible()) return "the window is not shown";
    if (!f.enabled()) return "the window is disabled";
    if (c && !c->showing()) return c->name() + " is hidden";
    if (c && !c->usable()) return c->name() + " is disabled";
    return "";
}

}  // namespace

std::string restOfLine(const std::string& line, size_t n) {
    size_t p = 0;
    for (size_t k = 0; k < n; ++k) {
        while (p < line.size() && (line[p] == ' ' || line[p] == '\t')) ++p;
        while (p < line.size() && line[p] != ' ' && line[p] != '\t') ++p;
    }
    if (p < line.size()) ++p;  // the one separating blank
    std::string rest = line.substr(std::min(p, line.size()));
    if (!rest.empty() && rest.back() == '\r') rest.pop_back();
    return rest;
}

std::optional<std::string> checkControlCommand(ui::Application& app, const ControlCommand& c) {
    const auto& w = c.words;
    const std::string& cmd = w[0];
    static const char* const kCommands[] = {"controls", "values", "set", "press", "drag", "wheel", "type", "keys"};
    bool known = false;
    for (const char* k : kCommands) known = known || cmd == k;
    if (!known) return std::nullopt;
    if (w.size() < 2) return "missing window name";
    ui::Form* f = app.findForm(w[1]);
    if (!f) return "unknown window '" + shortened(w[1]) + "'";
    auto count = [&](size_t n) -> std::string {
        return w.size() == n ? "" : "'" + cmd + "' takes " + std::to_string(n - 1) + " argument(s)";
    };
    auto control = [&]() -> std::string {
        if (w.size() < 3) return "missing control name";
        if (!f->findControl(w[2])) return "unknown control '" + shortened(w[2]) + "' in " + w[1];
        return "";
    };
    if (cmd == "controls" || cmd == "values") return count(2);
    if (cmd == "set") {
        if (std::string e = control(); !e.empty()) return e;
        const ui::Control* ctl = f->findControl(w[2]);
        if (!settable(ctl)) return w[2] + " is a " + ctl->kind() + " and has no value to set";
        if (w.size() < 4 && ctl->kind() != "Edit") return "set needs a value";
        return "";
    }
    if (cmd == "press") {
        if (std::string e = count(3); !e.empty()) return e;
        if (std::string e = control(); !e.empty()) return e;
        if (!pressable(f->findControl(w[2]))) return w[2] + " is no button, check box or link";
        return "";
    }
    if (cmd == "drag" || cmd == "wheel") {
        if (std::string e = count(cmd == "drag" ? 6 : 5); !e.empty()) return e;
        for (size_t i = 2; i < w.size(); ++i) {
            int v = 0;
            if (!toInt(w[i], v)) return cmd + " needs integer numbers";
        }
        int n = 0;
        toInt(w.back(), n);
        if (cmd == "wheel" && (n == 0 || std::abs(n) > 100)) return "wheel needs notches from -100 to 100, not 0";
        return "";
    }
    if (cmd == "type") return w.size() < 3 ? "type needs a text" : "";
    // keys
    if (w.size() < 3) return "keys needs at least one key";
    for (size_t i = 2; i < w.size(); ++i) {
        int key = 0;
        unsigned shift = 0;
        if (!ui::parseKeyName(w[i], key, shift)) return "unknown key '" + shortened(w[i]) + "'";
    }
    return "";
}

void runControlCommand(ui::Application& app, const ControlCommand& c, std::ostream& out) {
    const auto& w = c.words;
    const std::string& cmd = w[0];
    ui::Form& f = *app.findForm(w[1]);
    auto note = [&](const std::string& why) { out << "line " << c.line << ": " << cmd << " in " << w[1] << " has no effect: " << why << "\n"; };
    if (cmd == "controls") {
        for (const ui::Control* ctl : f.tabOrderList()) {
            const ui::Rect r = ctl->clientRect();
            out << ctl->name() << "\t" << ctl->kind() << "\t" << ctl->value() << "\t" << oneField(ctl->text()) << "\t"
                << ctl->usable() << "\t" << ctl->focused() << "\t" << r.left << "," << r.top << "," << r.width() << ","
                << r.height() << "\n";
        }
    } else if (cmd == "values") {
        for (const auto& [name, value] : f.values()) out << name << "\t" << value << "\n";
    } else if (cmd == "set" || cmd == "press") {
        ui::Control* ctl = f.findControl(w[2]);
        if (const std::string why = unusable(f, ctl); !why.empty()) return note(why);
        app.userActivate(f);
        // As a user does: the control takes the focus, then changes.
        ctl->setFocus();
        if (cmd == "press") {
            ctl->press();
        } else if (const std::string why = ctl->setValue(c.rest); !why.empty()) {
            note(why);
        }
        app.flush();
    } else if (cmd == "drag") {
        int v[4];
        for (int i = 0; i < 4; ++i) toInt(w[static_cast<size_t>(i) + 2], v[i]);
        if (!app.mouseDown(f, v[0], v[1])) return note(unusable(f, nullptr));
        // Moves in steps of at most 8 pixels, as a hand does.
        const int steps = std::max(1, std::max(std::abs(v[2] - v[0]), std::abs(v[3] - v[1])) / 8);
        for (int s = 1; s <= steps; ++s)
            app.mouseMove(f, v[0] + static_cast<int>(static_cast<long long>(v[2] - v[0]) * s / steps),
                          v[1] + static_cast<int>(static_cast<long long>(v[3] - v[1]) * s / steps));
        app.mouseUp(f, v[2], v[3]);
    } else if (cmd == "wheel") {
        int x = 0, y = 0, n = 0;
        toInt(w[2], x);
        toInt(w[3], y);
        toInt(w[4], n);
        if (!app.mouseWheel(f, x, y, n)) note(f.visible() && f.enabled() ? "nothing there scrolls" : unusable(f, nullptr));
    } else if (cmd == "type") {
        if (!app.textInput(f, c.rest)) note(f.visible() && f.enabled() ? "no control with the focus takes text" : unusable(f, nullptr));
    } else if (cmd == "keys") {
        if (const std::string why = unusable(f, nullptr); !why.empty()) return note(why);
        for (size_t i = 2; i < w.size(); ++i) {
            int key = 0;
            unsigned shift = 0;
            ui::parseKeyName(w[i], key, shift);
            // Space, letters and digits carry their character, typed when no control takes the key.
            std::string text;
            if (key == ui::vk::Space || (key >= '0' && key <= '9')) text = std::string(1, static_cast<char>(key));
            if (key >= 'A' && key <= 'Z') text = std::string(1, static_cast<char>(shift & ui::ssShift ? key : key - 'A' + 'a'));
            app.keyPress(f, key, shift, text);
            if (app.terminated()) break;
        }
    }
}

}  // namespace app
