// What a learner has done: the topic windows opened, the self-tests taken (best score,
// passed) and the glossary terms read; as text for the state file and the learning
// platform.
#pragma once

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "study/SelfTest.h"

namespace study {

struct TestRecord {
    int best = -1;  // the best score in percent, -1 when never taken
    bool passed = false;
    int attempts = 0;
};

class Progress {
public:
    // The first line of the text form, and its version.
    static constexpr const char* kMagic = "metallographie-fortschritt";
    static constexpr int kVersion = 1;

    // Each returns whether anything changed.
    bool windowOpened(const std::string& className);
    bool termRead(const std::string& name);
    bool testFinished(Chapter c, int percent, bool passed);
    void reset();

    const std::set<std::string>& windows() const { return windows_; }
    const std::set<std::string>& terms() const { return terms_; }
    const TestRecord& test(Chapter c) const { return tests_[static_cast<size_t>(c)]; }
    bool empty() const;
    // The mean of the best scores of the tests taken (-1 when none), and whether every
    // test taken is passed (false when none).
    int meanScore() const;
    bool allTakenPassed() const;

    // The text form: the magic line with the version, then one line per record
    // ("fenster KLASSE", "test KAPITEL PROZENT BESTANDEN VERSUCHE", "begriff NAME").
    // `limit` > 0 keeps it at most that many bytes: the glossary terms go first.
    std::string serialize(size_t limit = 0) const;
    // Reads the text form; on failure says why in `why` (damaged, of another program,
    // written by a newer version).
    static std::optional<Progress> parse(std::string_view text, std::string* why = nullptr);

private:
    std::set<std::string> windows_;
    std::array<TestRecord, kChapters> tests_{};
    std::set<std::string> terms_;
};

}  // namespace study
