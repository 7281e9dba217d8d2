#include "app/CommandLine.h"

#include <charconv>

namespace app {

namespace {
const char* kUsage =
    "Aufruf: metallographie [--screen BxH] [--open KLASSE] [--headless [--script DATEI]] [--export ORDNER]\n"
    "  --screen BxH      Fenster wie auf einem Bildschirm dieser Größe anordnen (z. B. 1024x768)\n"
    "  --open KLASSE     nach dem Start das Fenster KLASSE öffnen, wie es ein Benutzer öffnet\n"
    "                    (z. B. TFormREMRaster)\n"
    "  --headless        ohne Bildschirm starten und Befehle aus DATEI (oder der Standardeingabe) ausführen\n"
    "  --script DATEI    Befehlsdatei für --headless (\"-\" = Standardeingabe)\n"
    "  --export ORDNER   das erste Bild jedes Fensters als PNG in ORDNER schreiben\n"
    "  --help            diese Hilfe\n"
    "  --version         Programmversion\n";

Options error(std::string msg) {
    Options o;
    o.mode = Options::Mode::Error;
    o.message = "metallographie: " + std::move(msg);
    o.status = 2;
    return o;
}

bool parseInt(std::string_view s, int& v) {
    if (s.empty() || s.size() > 6) return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

bool parseSize(const std::string& s, int& w, int& h) {
    const size_t x = s.find('x');
    if (x == std::string::npos) return false;
    return parseInt(std::string_view(s).substr(0, x), w) && parseInt(std::string_view(s).substr(x + 1), h);
}
}  // namespace

Options parseCommandLine(const std::vector<std::string>& args) {
    Options o;
    bool headless = false, exporting = false, scriptGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const std::string& name, std::string& out) -> bool {
            const std::string prefix = name + "=";
            if (a.rfind(prefix, 0) == 0) {
                out = a.substr(prefix.size());
                return true;
            }
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        auto is = [&](const char* name) { return a == name || a.rfind(std::string(name) + "=", 0) == 0; };
        if (a == "--help" || a == "-h") {
            o.mode = Options::Mode::Help;
            o.message = kUsage;
            o.status = 0;
            return o;
        } else if (a == "--version") {
            o.mode = Options::Mode::Version;
            o.message = "metallographie 1.0.0";
            o.status = 0;
            return o;
        } else if (is("--screen")) {
            std::string v;
            if (!value("--screen", v)) return error("--screen braucht eine Größe wie 1024x768");
            int w = 0, h = 0;
            if (!parseSize(v, w, h)) return error("ungültige Bildschirmgröße '" + shortened(v) + "' (erwartet z. B. 1024x768)");
            if (w < kMinScreenWidth || h < kMinScreenHeight || w > kMaxScreenWidth || h > kMaxScreenHeight)
                return error("Bildschirmgröße " + shortened(v) + " außerhalb von 640x480 bis 7680x4320");
            o.hasScreen = true;
            o.screenWidth = w;
            o.screenHeight = h;
        } else if (is("--open")) {
            if (!value("--open", o.open) || o.open.empty()) return error("--open braucht einen Fensternamen wie TFormREMRaster");
        } else if (a == "--headless") {
            headless = true;
        } else if (is("--script")) {
            if (!value("--script", o.script)) return error("--script braucht einen Dateinamen");
            scriptGiven = true;
        } else if (is("--export")) {
            if (!value("--export", o.exportDir) || o.exportDir.empty()) return error("--export braucht einen Ordner");
            exporting = true;
        } else {
            return error("unbekanntes Argument '" + shortened(a) + "' (--help zeigt die Aufrufmöglichkeiten)");
        }
    }
    if (scriptGiven && !headless) return error("--script nur zusammen mit --headless");
    if (exporting && headless) return error("--export und --headless nicht zusammen");
    if (exporting && !o.open.empty()) return error("--open und --export nicht zusammen");
    o.mode = exporting ? Options::Mode::Export : headless ? Options::Mode::Headless : Options::Mode::Desktop;
    return o;
}

std::string shortened(std::string_view input) {
    size_t end = 0;
    for (size_t chars = 0; end < input.size() && chars < kQuotedLength; ++chars) {
        ++end;
        while (end < input.size() && (static_cast<unsigned char>(input[end]) & 0xC0) == 0x80) ++end;
    }
    if (end >= input.size()) return std::string(input);
    return std::string(input.substr(0, end)) + "…";
}

Options parseCommandLine(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return parseCommandLine(args);
}

}  // namespace app
