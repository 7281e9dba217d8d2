#include "study/SelfTest.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "assets/Texts.h"

namespace study {

namespace {

struct ChapterInfo {
    Chapter chapter;
    const char* key;
    const char* name;
};
constexpr ChapterInfo kChapterInfo[kChapters] = {
    {Chapter::Makro, "makro", "Makroskopie"},
    {Chapter::LM, "lm", "Lichtmikroskopie"},
    {Chapter::REM, "rem", "Rasterelektronenmikroskopie"},
    {Chapter::Analyse, "analyse", "Mikrobereichsanalyse"},
};

std::string trim(std::string_view s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string_view::npos) return "";
    const size_t b = s.find_last_not_of(" \t\r");
    return std::string(s.substr(a, b - a + 1));
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

std::optional<Kind> kindFromWord(std::string_view w) {
    if (w == "einfach") return Kind::Single;
    if (w == "mehrfach") return Kind::Multiple;
    if (w == "bild") return Kind::Picture;
    if (w == "punkt") return Kind::HotSpot;
    if (w == "zahl") return Kind::Number;
    return std::nullopt;
}

void append(std::string& to, const std::string& more) {
    if (more.empty()) return;
    if (!to.empty()) to += ' ';
    to += more;
}

// What a complete question lacks, or "".
std::string missing(const Question& q) {
    if (q.text.empty()) return "ohne Fragetext";
    if (q.window.empty()) return "ohne \"ansehen:\"";
    if (q.explanation.empty()) return "ohne \"erklärung:\"";
    const auto rights = std::count_if(q.options.begin(), q.options.end(), [](const Option& o) { return o.right; });
    switch (q.kind) {
        case Kind::Single:
        case Kind::Picture:
            if (rights != 1 || q.options.size() < 2) return "braucht genau eine richtige und eine falsche Antwort";
            break;
        case Kind::Multiple:
            if (rights < 1 || rights == static_cast<long>(q.options.size())) return "braucht richtige und falsche Antworten";
            break;
        case Kind::HotSpot:
            if (q.picture.empty() || q.spotW <= 0 || q.spotH <= 0) return "braucht \"bild:\" und \"feld:\"";
            break;
        case Kind::Number:
            if (q.tolerance <= 0) return "braucht \"wert:\" und \"toleranz:\"";
            break;
    }
    return "";
}

}  // namespace

const char* chapterKey(Chapter c) { return kChapterInfo[static_cast<int>(c)].key; }
const char* chapterName(Chapter c) { return kChapterInfo[static_cast<int>(c)].name; }

std::optional<Chapter> chapterFromKey(std::string_view key) {
    for (const ChapterInfo& i : kChapterInfo)
        if (key == i.key) return i.chapter;
    return std::nullopt;
}

std::optional<double> parseNumber(std::string_view text) {
    std::string s = trim(text);
    std::replace(s.begin(), s.end(), ',', '.');
    if (s.empty() || s.size() > 32 || s.find_first_not_of("+-0123456789.") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool isRight(const Question& q, const Answer& a) {
    switch (q.kind) {
        case Kind::Single:
        case Kind::Picture:
        case Kind::Multiple: {
            std::vector<int> chosen = a.chosen;
            std::sort(chosen.begin(), chosen.end());
            chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
            std::vector<int> right;
            for (size_t i = 0; i < q.options.size(); ++i)
                if (q.options[i].right) right.push_back(static_cast<int>(i));
            return !right.empty() && chosen == right;
        }
        case Kind::HotSpot:
            return a.point && a.point->first >= q.spotX && a.point->first < q.spotX + q.spotW &&
                   a.point->second >= q.spotY && a.point->second < q.spotY + q.spotH;
        case Kind::Number: {
            const std::optional<double> v = parseNumber(a.number);
            return v && std::fabs(*v - q.value) <= q.tolerance + 1e-9;
        }
    }
    return false;
}

QuestionBank QuestionBank::parse(std::string_view file, std::vector<std::string>* problems) {
    QuestionBank bank;
    auto problem = [&](int line, const std::string& what) {
        if (problems) problems->push_back("Zeile " + std::to_string(line) + ": " + what);
    };
    std::optional<Chapter> chapter;
    std::optional<Question> q;
    std::string* continued = nullptr;  // the text that lines without a key continue
    auto finish = [&] {
        if (!q) return;
        if (const std::string why = missing(*q); !why.empty()) problem(q->line, "Frage " + why);
        else bank.questions_.push_back(std::move(*q));
        q.reset();
        continued = nullptr;
    };
    std::istringstream in{std::string(file)};
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        const std::string line = trim(raw);
        if (line.empty() || line[0] == '#') {
            continued = nullptr;
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            finish();
            chapter = chapterFromKey(line.substr(1, line.size() - 2));
            if (!chapter) problem(number, "unbekanntes Kapitel " + line);
            continue;
        }
        if (startsWith(line, "? ")) {
            finish();
            if (!chapter) {
                problem(number, "Frage vor dem ersten Kapitel");
                continue;
            }
            q = Question{};
            q->chapter = *chapter;
            q->line = number;
            q->text = trim(line.substr(2));
            continued = &q->text;
            continue;
        }
        if (!q) {
            problem(number, "Text außerhalb einer Frage");
            continue;
        }
        const size_t colon = line.find(':');
        const std::string key = colon == std::string::npos ? "" : line.substr(0, colon);
        const std::string value = colon == std::string::npos ? "" : trim(line.substr(colon + 1));
        if (line[0] == '+' || line[0] == '-') {
            q->options.push_back(Option{trim(line.substr(1)), line[0] == '+'});
            continued = nullptr;
        } else if (key == "art") {
            if (const auto k = kindFromWord(value)) q->kind = *k;
            else problem(number, "unbekannte Art " + value);
        } else if (key == "bild") {
            q->picture = value;
        } else if (key == "feld") {
            std::istringstream nums(value);
            if (!(nums >> q->spotX >> q->spotY >> q->spotW >> q->spotH)) problem(number, "\"feld:\" braucht vier Zahlen");
        } else if (key == "wert" || key == "toleranz") {
            const std::optional<double> v = parseNumber(value);
            if (!v) problem(number, "keine Zahl: " + value);
            else (key == "wert" ? q->value : q->tolerance) = *v;
        } else if (key == "einheit") {
            q->unit = value;
        } else if (key == "erklärung") {
            q->explanation = value;
            continued = &q->explanation;
        } else if (key == "ansehen") {
            q->window = value;
        } else if (continued) {
            append(*continued, line);
        } else {
            problem(number, "unbekannte Zeile " + line);
        }
    }
    finish();
    for (const ChapterInfo& i : kChapterInfo)
        if (bank.ofChapter(i.chapter).empty()) problem(0, std::string("keine Fragen zu ") + i.name);
    return bank;
}

const QuestionBank& QuestionBank::builtIn() {
    static const QuestionBank bank = parse(assets::selfTestText());
    return bank;
}

std::vector<int> QuestionBank::ofChapter(Chapter c) const {
    std::vector<int> out;
    for (size_t i = 0; i < questions_.size(); ++i)
        if (questions_[i].chapter == c) out.push_back(static_cast<int>(i));
    return out;
}

}  // namespace study
