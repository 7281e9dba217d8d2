#include "app/CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace app {

namespace {
const char* kUsage =
    "Aufruf: metallographie [--screen BxH] [--open KLASSE] [--state ORDNER] [--headless [--script DATEI]] [--export ORDNER]\n"
    "  --screen BxH      Fenster wie auf einem Bildschirm dieser Größe anordnen (z. B. 1024x768)\n"
    "  --open KLASSE     nach dem Start das Fenster KLASSE öffnen, wie es ein Benutzer öffnet\n"
    "                    (z. B. TFormREMRaster; TFormGlossar:Begriff öffnet das Glossar bei dem Begriff)\n"
    "  --headless        ohne Bildschirm starten und Befehle aus DATEI (oder der Standardeingabe) ausführen\n"
    "  --script DATEI    Befehlsdatei für --headless (\"-\" = Standardeingabe)\n"
    "  --export ORDNER   das erste Bild jedes Fensters als PNG in ORDNER schreiben\n"
    "  --state ORDNER    den Lernfortschritt in ORDNER führen (sonst $XDG_STATE_HOME/metallographie;\n"
    "                    mit --headless ohne --state wird keiner gelesen oder geschrieben)\n"
    "  --help            diese Hilfe\n"
    "  --version         Programmversion\n"
    "Befehle ohne Anzeige (einer je Zeile, # leitet einen Kommentar ein):\n"
    "  forms | print F | menuinfo F | menu F EINTRAG | key F esc | click F X Y | activate F\n"
    "  advance MS | capture F|screen DATEI.png\n"
    "  controls F        die Bedienelemente: Name, Art, Wert, Text, bedienbar, Fokus, L,O,B,H\n"
    "  values F          die Kennzahlen des Fensters (Name, Wert)\n"
    "  describe F        was ein Bildschirmleser sagt: Titel, Beschreibung, Zeilen einer Textseite\n"
    "  open F            das Fenster F öffnen, wie es --open tut\n"
    "  save F DATEI      Spektrum (.msa) oder Ergebnisse (.csv) der Übungen zum Elektronenstrahl\n"
    "  set F ELEMENT WERT  Regler, Kästchen (0/1), Auswahl (Nummer oder Text), Eingabefeld (Rest der Zeile)\n"
    "  press F ELEMENT   Schaltfläche, Kästchen, Verweis oder anklickbares Bild betätigen\n"
    "  drag F X1 Y1 X2 Y2 | wheel F X Y N | type F TEXT | keys F TASTE...\n"
    "                    (Tasten: tab shift+tab enter space esc left right up down home end\n"
    "                    pageup pagedown backspace delete f1 f4 alt+down ctrl+a ctrl+c ctrl+x ctrl+v a-z 0-9)\n";

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
        } else if (is("--state")) {
            if (!value("--state", o.stateDir) || o.stateDir.empty()) return error("--state braucht einen Ordner");
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

namespace {
// The length of the well-formed UTF-8 character at `at` (its code point in `cp`), or 0
// when the bytes there are not one (a stray continuation byte, an overlong form, a
// surrogate, beyond U+10FFFF, cut short).
size_t utf8Char(std::string_view s, size_t at, char32_t& cp) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b = byte(at);
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3, lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
    else if (b >= 0xF0 && b <= 0xF4) n = 4, lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
    else return 0;
    if (at + n > s.size() || byte(at + 1) < lo || byte(at + 1) > hi) return 0;
    cp = b & (0xFF >> (n + 1));
    for (size_t i = 1; i < n; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (byte(at + i) & 0x3F);
    }
    return n;
}

// Characters a terminal would act on instead of showing them: control characters (C0,
// DEL, C1), line and paragraph separators, the overrides of the writing direction.
bool printable(char32_t cp) {
    return !(cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029 ||
             (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069));
}

void escapeByte(std::string& out, unsigned char b) {
    static const char kHex[] = "0123456789abcdef";
    switch (b) {
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        default: out += {'\\', 'x', kHex[b >> 4], kHex[b & 0xF]};
    }
}
}  // namespace

std::string shortened(std::string_view input) {
    std::string out;
    size_t at = 0;
    for (size_t chars = 0; at < input.size() && chars < kQuotedLength; ++chars) {
        char32_t cp = 0;
        const size_t n = utf8Char(input, at, cp);
        if (n > 0 && printable(cp)) {
            out.append(input.substr(at, n));
        } else {
            // A byte that is no character, or every byte of one that must not reach the terminal.
            for (size_t i = 0; i < std::max<size_t>(n, 1); ++i)
                escapeByte(out, static_cast<unsigned char>(input[at + i]));
        }
        at += std::max<size_t>(n, 1);
    }
    if (at < input.size()) out += "…";
    return out;
}

std::string writeErrorGerman(int error) {
    switch (error) {
        case ENOENT: return "den Ordner gibt es nicht";
        case ENOTDIR: return "ein Teil des Pfads ist kein Ordner";
        case EACCES:
        case EPERM: return "keine Schreibberechtigung";
        case ENAMETOOLONG: return "der Name ist zu lang";
        case ENOSPC:
        case EDQUOT: return "kein Platz mehr";
        case EROFS: return "das Dateisystem ist schreibgeschützt";
        case EISDIR: return "das ist ein Ordner";
        case EEXIST: return "dort gibt es schon etwas anderes";
        case ELOOP: return "zu viele symbolische Verweise";
        case EBADF: return "nicht geöffnet";
        case EPIPE: return "niemand liest mehr";
        case EFBIG: return "die Datei würde zu groß";
        case EIO: return "Ein-/Ausgabefehler";
        default: return "Systemfehler " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

std::string writeErrorEnglish(int error) {
    switch (error) {
        case ENOENT: return "no such folder";
        case ENOTDIR: return "a part of the path is not a folder";
        case EACCES:
        case EPERM: return "no permission";
        case ENAMETOOLONG: return "the name is too long";
        case ENOSPC:
        case EDQUOT: return "no room left";
        case EROFS: return "read-only file system";
        case EISDIR: return "it is a folder";
        case EEXIST: return "something else has that name";
        case ELOOP: return "too many symbolic links";
        case EBADF: return "not open";
        case EPIPE: return "nobody reads it any more";
        case EFBIG: return "the file would be too large";
        case EIO: return "input/output error";
        default: return "system error " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

Options parseCommandLine(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return parseCommandLine(args);
}

}  // namespace app
