#include "app/WindowDescriptions.h"

#include <algorithm>

#include "assets/Texts.h"

namespace app {

namespace {
std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}
}  // namespace

std::string_view WindowDescriptions::find(std::string_view className) const {
    for (const auto& [name, text] : entries)
        if (name == className) return text;
    return {};
}

WindowDescriptions WindowDescriptions::parse(std::string_view text) {
    WindowDescriptions d;
    int number = 0;
    auto problem = [&](const std::string& why) { d.problems.push_back("Zeile " + std::to_string(number) + ": " + why); };
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '=') {
            const std::string name(trimmed(line.substr(1)));
            if (name.empty() || name.find_first_of(" \t") != std::string::npos)
                problem("nach \"=\" steht kein Klassenname");
            else if (std::any_of(d.entries.begin(), d.entries.end(), [&](const auto& e) { return e.first == name; }))
                problem(name + " ist schon beschrieben");
            d.entries.emplace_back(name, "");
            continue;
        }
        if (d.entries.empty()) {
            problem("Text vor dem ersten \"= Klassenname\"");
            continue;
        }
        std::string& body = d.entries.back().second;
        if (!body.empty()) body += ' ';
        body += line;
    }
    for (const auto& [name, body] : d.entries)
        if (body.empty()) d.problems.push_back(name + ": die Beschreibung ist leer");
    return d;
}

const WindowDescriptions& windowDescriptions() {
    static const WindowDescriptions d = WindowDescriptions::parse(assets::descriptionsText());
    return d;
}

}  // namespace app
