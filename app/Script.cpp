#include "app/Script.h"

#include <charconv>
#include <filesystem>
#include <functional>
#include <ostream>
#include <sstream>
#include <vector>

#include "app/CommandLine.h"
#include "app/OpenPath.h"
#include "app/ScriptControls.h"
#include "app/TextAlternative.h"
#include "ui/Png.h"

namespace app {

namespace {
using ui::headless::HeadlessBackend;

struct Command {
    int line = 0;
    std::vector<std::string> words;
    std::string rest;  // the free text of `type` and `set`
};

ControlCommand controlCommand(const Command& c) { return ControlCommand{c.line, c.words, c.rest}; }

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

template <class Int>
bool toInt(const std::string& s, Int& v) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

std::string whyNotWritten(ui::PngWrite r, int error) {
    switch (r) {
        case ui::PngWrite::NotAFile: return "it exists and is not a regular file";
        case ui::PngWrite::BrokenLink: return "it is a symbolic link to nothing";
        case ui::PngWrite::NoNewFiles: return "the folder takes no new files";
        default: return writeErrorEnglish(error);
    }
}

std::string warumNicht(ui::PngWrite r, int error) {
    switch (r) {
        case ui::PngWrite::NotAFile: return "es gibt dort schon etwas anderes als eine Datei";
        case ui::PngWrite::BrokenLink: return "ein symbolischer Verweis, der ins Leere zeigt";
        case ui::PngWrite::NoNewFiles: return "der Ordner nimmt keine neuen Dateien an";
        default: return writeErrorGerman(error);
    }
}

// Returns an empty string when the command is well formed.
std::string check(ui::Application& app, const Command& c) {
    const auto& w = c.words;
    const std::string& cmd = w[0];
    auto form = [&](size_t i) -> std::string {
        if (i >= w.size()) return "missing window name";
        if (!app.findForm(w[i])) return "unknown window '" + shortened(w[i]) + "'";
        return "";
    };
    auto count = [&](size_t n) -> std::string {
        if (w.size() != n) return "'" + shortened(cmd) + "' takes " + std::to_string(n - 1) + " argument(s)";
        return "";
    };
    std::string e;
    if (cmd == "forms") return count(1);
    if (cmd == "menu") {
        if (!(e = count(3)).empty() || !(e = form(1)).empty()) return e;
        ui::Form* f = app.findForm(w[1]);
        if (!f->menu() || !f->menu()->find(w[2])) return "unknown menu item '" + shortened(w[2]) + "' in " + w[1];
        return "";
    }
    if (cmd == "key") {
        if (!(e = count(3)).empty() || !(e = form(1)).empty()) return e;
        if (w[2] != "esc") return "unknown key '" + shortened(w[2]) + "' (only esc)";
        return "";
    }
    if (cmd == "click") {
        if (!(e = count(4)).empty() || !(e = form(1)).empty()) return e;
        int x, y;
        if (!toInt(w[2], x) || !toInt(w[3], y)) return "click needs integer coordinates from -2147483648 to 2147483647";
        return "";
    }
    if (cmd == "activate" || cmd == "print" || cmd == "menuinfo" || cmd == "describe" || cmd == "open") {
        if (!(e = count(2)).empty()) return e;
        return form(1);
    }
    if (cmd == "advance") {
        if (!(e = count(2)).empty()) return e;
        long long v;
        if (!toInt(w[1], v) || v < 0 || v > 24LL * 3600 * 1000) return "advance needs milliseconds from 0 to 86400000";
        return "";
    }
    if (cmd == "capture") {
        if (!(e = count(3)).empty()) return e;
        if (w[1] == "screen") return "";
        return form(1);
    }
    if (cmd == "save") {
        if (!(e = count(3)).empty() || !(e = form(1)).empty()) return e;
        if (app.findForm(w[1])->savedText().empty()) return w[1] + " has nothing to save";
        return "";
    }
    if (auto verdict = checkControlCommand(app, controlCommand(c))) return *verdict;
    return "unknown command '" + shortened(cmd) + "'";
}
}  // namespace

std::string scriptTooLong(const std::string& what) {
    return "metallographie: " + what + " ist länger als 4 MiB; so lange Befehlsdateien nimmt das Programm nicht an";
}

int runScript(ui::Application& app, HeadlessBackend& backend, const std::string& script, std::ostream& out,
              std::ostream& err, const std::function<void(const std::string& file)>& written) {
    std::vector<Command> commands;
    std::istringstream in(script);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        Command c{number, split(line), ""};
        if (c.words.empty()) continue;
        if (c.words[0] == "type") c.rest = restOfLine(line, 2);
        if (c.words[0] == "set") c.rest = restOfLine(line, 3);
        if (const std::string e = check(app, c); !e.empty()) {
            err << "line " << number << ": " << e << "\n";
            return 2;
        }
        commands.push_back(std::move(c));
    }
    for (const Command& c : commands) {
        if (app.terminated()) {
            out << "line " << c.line << ": the program has ended; the rest is not run\n";
            break;
        }
        const auto& w = c.words;
        const std::string& cmd = w[0];
        if (cmd == "forms") {
            for (ui::Form* f : app.forms()) out << f->className() << "\t" << f->caption() << "\n";
        } else if (cmd == "menu") {
            ui::Form& f = *app.findForm(w[1]);
            const auto r = backend.clickMenu(f, w[2]);
            if (r != ui::headless::MenuResult::Done)
                out << "line " << c.line << ": menu " << w[1] << " " << w[2] << " not chosen: " << describe(r) << "\n";
        } else if (cmd == "key") {
            ui::Form& f = *app.findForm(w[1]);
            if (!backend.pressEscape(f))
                out << "line " << c.line << ": key esc in " << w[1] << " has no effect (window hidden, disabled or "
                    << "without an Esc item)\n";
        } else if (cmd == "click") {
            ui::Form& f = *app.findForm(w[1]);
            int x = 0, y = 0;
            toInt(w[2], x);
            toInt(w[3], y);
            if (!backend.click(f, x, y))
                out << "line " << c.line << ": click in " << w[1] << " has no effect (window hidden or disabled)\n";
        } else if (cmd == "activate") {
            backend.activate(*app.findForm(w[1]));
        } else if (cmd == "advance") {
            long long ms = 0;
            toInt(w[1], ms);
            backend.advance(ms);
        } else if (cmd == "capture") {
            if (w[1] != "screen" && !app.findForm(w[1])->visible()) {
                // A hidden window has no pixels to show.
                out << "line " << c.line << ": capture " << w[1] << " writes nothing: the window is not shown\n";
                continue;
            }
            const ui::raster::Bitmap b =
                w[1] == "screen" ? backend.captureScreen() : backend.captureForm(*app.findForm(w[1]));
            int error = 0;
            if (const ui::PngWrite r = ui::writePng(b, w[2], &error); r != ui::PngWrite::Written) {
                err << "line " << c.line << ": cannot write " << shortened(w[2]) << ": " << whyNotWritten(r, error)
                    << "\n";
                return 1;
            }
            if (written) written(w[2]);
        } else if (cmd == "open") {
            // As --open does: through the windows on the way, with the user's own events.
            if (const std::string why = openWindow(app, w[1]); !why.empty()) out << "line " << c.line << ": " << why << "\n";
        } else if (cmd == "describe") {
            out << textAlternative(*app.findForm(w[1])).joined() << "\n";
        } else if (cmd == "save") {
            // What the window saves (a spectrum, a table of figures), written as captures are.
            int error = 0;
            const std::string text = app.findForm(w[1])->savedText();
            if (const ui::PngWrite r = ui::writeTextFile(w[2], text, &error); r != ui::PngWrite::Written) {
                err << "line " << c.line << ": cannot write " << shortened(w[2]) << ": " << whyNotWritten(r, error)
                    << "\n";
                return 1;
            }
            if (written) written(w[2]);
        } else if (cmd == "print") {
            const ui::Form& f = *app.findForm(w[1]);
            out << f.caption() << "|" << f.left() << "," << f.top() << "," << f.width() << "," << f.height()
                << "|client=" << f.clientWidth() << "x" << f.clientHeight() << "|visible=" << f.visible()
                << "|enabled=" << f.enabled() << "|active=" << f.active() << "\n";
        } else if (checkControlCommand(app, controlCommand(c))) {
            runControlCommand(app, controlCommand(c), out);
        } else if (cmd == "menuinfo") {
            const ui::Form& f = *app.findForm(w[1]);
            if (f.menu())
                for (const ui::MenuItem* i : f.menu()->allItems())
                    out << i->name() << "\t" << i->caption() << "\t" << i->visible() << "\t" << i->enabled() << "\n";
        }
        // Output that cannot be written ends the run: nothing after it would reach anyone.
        if (!out.flush()) return 1;
    }
    return out.flush() ? 0 : 1;
}

int exportWindows(ui::Application& app, HeadlessBackend& backend, const std::string& dir, std::ostream& err) {
    std::error_code ec, probe;
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir, probe)) {
        err << "metallographie: der Ordner " << shortened(dir) << " lässt sich nicht anlegen"
            << (ec ? ": " + writeErrorGerman(ec.value()) : std::string()) << "\n";
        return 1;
    }
    for (ui::Form* f : app.forms()) {
        const bool wasVisible = f->visible();
        if (!wasVisible) {
            f->Show();
            app.flush();
        }
        const std::string path = (std::filesystem::path(dir) / (f->className() + ".png")).string();
        int error = 0;
        if (const ui::PngWrite r = ui::writePng(backend.captureForm(*f), path, &error); r != ui::PngWrite::Written) {
            err << "metallographie: " << shortened(path) << " lässt sich nicht schreiben: " << warumNicht(r, error)
                << "\n";
            return 1;
        }
        if (!wasVisible) f->Close();
        app.flush();
    }
    return 0;
}

}  // namespace app
