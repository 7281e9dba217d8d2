#include "study/Progress.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace study {

namespace {
bool parseInt(std::string_view s, int& v) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

// A name is one printable line without tabs (what the windows and the glossary use).
bool validName(std::string_view s) {
    if (s.empty() || s.size() > 200) return false;
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}
}  // namespace

bool Progress::windowOpened(const std::string& className) { return windows_.insert(className).second; }

bool Progress::termRead(const std::string& name) { return terms_.insert(name).second; }

bool Progress::testFinished(Chapter c, int percent, bool passed) {
    TestRecord& t = tests_[static_cast<size_t>(c)];
    ++t.attempts;
    t.best = std::max(t.best, percent);
    t.passed = t.passed || passed;
    return true;
}

void Progress::reset() { *this = Progress{}; }

bool Progress::empty() const {
    if (!windows_.empty() || !terms_.empty()) return false;
    for (const TestRecord& t : tests_)
        if (t.attempts > 0) return false;
    return true;
}

int Progress::meanScore() const {
    int sum = 0, n = 0;
    for (const TestRecord& t : tests_)
        if (t.best >= 0) sum += t.best, ++n;
    return n == 0 ? -1 : static_cast<int>(std::lround(static_cast<double>(sum) / n));
}

bool Progress::allTakenPassed() const {
    bool any = false;
    for (const TestRecord& t : tests_) {
        if (t.best < 0) continue;
        any = true;
        if (!t.passed) return false;
    }
    return any;
}

std::string Progress::serialize(size_t limit) const {
    std::string out = std::string(kMagic) + " " + std::to_string(kVersion) + "\n";
    for (int c = 0; c < kChapters; ++c) {
        const TestRecord& t = tests_[static_cast<size_t>(c)];
        if (t.attempts == 0) continue;
        out += std::string("test ") + chapterKey(static_cast<Chapter>(c)) + " " + std::to_string(t.best) + " " +
               (t.passed ? "1" : "0") + " " + std::to_string(t.attempts) + "\n";
    }
    for (const std::string& w : windows_) out += "fenster " + w + "\n";
    for (const std::string& t : terms_) {
        const std::string line = "begriff " + t + "\n";
        if (limit > 0 && out.size() + line.size() > limit) break;
        out += line;
    }
    return out;
}

std::optional<Progress> Progress::parse(std::string_view text, std::string* why) {
    auto fail = [&](std::string reason) -> std::optional<Progress> {
        if (why) *why = std::move(reason);
        return std::nullopt;
    };
    std::istringstream in{std::string(text)};
    std::string first;
    std::getline(in, first);
    const std::string magic = std::string(kMagic) + " ";
    if (first.compare(0, magic.size(), magic) != 0) return fail("keine Fortschrittsdatei dieses Programms");
    int version = 0;
    if (!parseInt(std::string_view(first).substr(magic.size()), version) || version < 1)
        return fail("beschädigt (Zeile 1)");
    if (version > kVersion) return fail("von einer neueren Programmversion geschrieben");
    Progress p;
    int number = 1;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty()) continue;
        const size_t blank = line.find(' ');
        const std::string key = line.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (key == "fenster" && validName(rest)) {
            p.windows_.insert(rest);
        } else if (key == "begriff" && validName(rest)) {
            p.terms_.insert(rest);
        } else if (key == "test") {
            std::istringstream f(rest);
            std::string chapter, best, passed, attempts, extra;
            f >> chapter >> best >> passed >> attempts >> extra;
            const std::optional<Chapter> c = chapterFromKey(chapter);
            TestRecord t;
            if (!c || !extra.empty() || !parseInt(best, t.best) || !parseInt(attempts, t.attempts) ||
                (passed != "0" && passed != "1") || t.best < 0 || t.best > 100 || t.attempts < 1)
                return fail("beschädigt (Zeile " + std::to_string(number) + ")");
            t.passed = passed == "1";
            p.tests_[static_cast<size_t>(*c)] = t;
        } else {
            return fail("beschädigt (Zeile " + std::to_string(number) + ")");
        }
    }
    return p;
}

}  // namespace study
