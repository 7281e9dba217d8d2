#include "study/Glossary.h"

#include <algorithm>
#include <array>

#include "assets/Texts.h"
#include "ui/Input.h"
#include "ui/text/TextEngine.h"

namespace study {

namespace {

std::string trim(std::string_view s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string_view::npos) return "";
    const size_t b = s.find_last_not_of(" \t\r");
    return std::string(s.substr(a, b - a + 1));
}

std::vector<std::string> splitList(std::string_view s) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        const size_t semi = s.find(';', start);
        const std::string item = trim(s.substr(start, semi == std::string_view::npos ? std::string_view::npos : semi - start));
        if (!item.empty()) out.push_back(item);
        if (semi == std::string_view::npos) return out;
        start = semi + 1;
    }
}

// Lower case for the letters the program's texts use.
char32_t lower(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    return c;
}

std::string fold(std::string_view utf8, bool asE, bool sharpSAsSs) {
    std::string out;
    for (char32_t c : ui::text::decodeUtf8(utf8)) {
        c = lower(c);
        switch (c) {
            case U'ä': out += asE ? "ae" : "a"; continue;
            case U'ö': out += asE ? "oe" : "o"; continue;
            case U'ü': out += asE ? "ue" : "u"; continue;
            case U'ß': out += sharpSAsSs ? "ss" : "ß"; continue;
            default: ui::appendUtf8(out, c);
        }
    }
    return out;
}

// Lower case only: names that differ in more than case are different terms ("Masse", "Maße").
std::string caseFold(std::string_view utf8) {
    std::string out;
    for (char32_t c : ui::text::decodeUtf8(utf8)) ui::appendUtf8(out, lower(c));
    return out;
}

}  // namespace

std::string foldForSearch(std::string_view utf8, bool asE) { return fold(utf8, asE, true); }

std::string sortKey(std::string_view utf8) { return fold(utf8, false, true); }

namespace {
// What the dictionary order compares, in turn: the sort key, then the plain spelling
// ("Masse" before "Maße", "Ar" before "Är"), then the name exactly.
std::array<std::string, 3> dictionaryKey(std::string_view name) {
    return {sortKey(name), fold(name, true, false), std::string(name)};
}
}  // namespace

bool dictionaryLess(std::string_view a, std::string_view b) { return dictionaryKey(a) < dictionaryKey(b); }

Glossary Glossary::parse(std::string_view file, std::vector<std::string>* problems) {
    Glossary g;
    auto problem = [&](std::string p) {
        if (problems) problems->push_back(std::move(p));
    };
    size_t pos = 0;
    int lineNo = 0;
    while (pos <= file.size()) {
        const size_t nl = file.find('\n', pos);
        std::string_view line = file.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? file.size() + 1 : nl + 1;
        ++lineNo;
        const std::string t = trim(line);
        if (t.empty() || line.front() == '#') continue;
        if (t.starts_with("= ") || t == "=") {
            Term term;
            term.name = trim(std::string_view(t).substr(1));
            if (term.name.empty()) problem("line " + std::to_string(lineNo) + ": a term without a name");
            else g.terms_.push_back(std::move(term));
            continue;
        }
        if (g.terms_.empty()) {
            problem("line " + std::to_string(lineNo) + ": text before the first term");
            continue;
        }
        Term& term = g.terms_.back();
        if (t.starts_with("siehe:")) {
            for (std::string& s : splitList(std::string_view(t).substr(6))) term.seeAlso.push_back(std::move(s));
        } else if (t.starts_with("ansehen:")) {
            for (std::string& s : splitList(std::string_view(t).substr(8))) term.windows.push_back(std::move(s));
        } else {
            if (!term.text.empty()) term.text += ' ';
            term.text += t;
        }
    }
    // In dictionary order, each name's key made once (not at every comparison).
    std::vector<std::pair<std::array<std::string, 3>, size_t>> order;
    order.reserve(g.terms_.size());
    for (size_t i = 0; i < g.terms_.size(); ++i) order.emplace_back(dictionaryKey(g.terms_[i].name), i);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Term> sorted;
    sorted.reserve(order.size());
    for (const auto& entry : order) sorted.push_back(std::move(g.terms_[entry.second]));
    g.terms_ = std::move(sorted);
    // A name twice: the first stays.
    for (size_t i = 1; i < g.terms_.size();) {
        if (caseFold(g.terms_[i].name) == caseFold(g.terms_[i - 1].name)) {
            problem("the term '" + g.terms_[i].name + "' is there twice");
            g.terms_.erase(g.terms_.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    for (const Term& term : g.terms_) g.folded_.emplace_back(foldForSearch(term.name, false), foldForSearch(term.name, true));
    for (Term& term : g.terms_) {
        if (term.text.empty()) problem("the term '" + term.name + "' has no definition");
        std::vector<std::string> kept;
        for (std::string& s : term.seeAlso) {
            if (g.find(s) < 0 || s == term.name) problem("'" + term.name + "' refers to '" + s + "', which is no other term");
            else kept.push_back(std::move(s));
        }
        term.seeAlso = std::move(kept);
    }
    return g;
}

const Glossary& Glossary::builtIn() {
    static const Glossary g = parse(assets::glossaryText());
    return g;
}

int Glossary::find(std::string_view name) const {
    for (size_t i = 0; i < terms_.size(); ++i)
        if (terms_[i].name == name) return static_cast<int>(i);
    const std::string want = foldForSearch(name, false);
    for (size_t i = 0; i < folded_.size(); ++i)
        if (folded_[i].first == want) return static_cast<int>(i);
    return -1;
}

std::vector<int> Glossary::search(std::string_view query) const {
    const std::string q = trim(query);
    const std::string plain = foldForSearch(q, false), withE = foldForSearch(q, true);
    std::vector<int> out;
    for (size_t i = 0; i < folded_.size(); ++i)
        if (folded_[i].first.find(plain) != std::string::npos || folded_[i].second.find(withE) != std::string::npos)
            out.push_back(static_cast<int>(i));
    return out;
}

std::vector<int> Glossary::termsOfWindow(std::string_view className) const {
    std::vector<int> out;
    for (size_t i = 0; i < terms_.size(); ++i)
        if (std::find(terms_[i].windows.begin(), terms_[i].windows.end(), className) != terms_[i].windows.end())
            out.push_back(static_cast<int>(i));
    return out;
}

}  // namespace study
