// The self-tests' questions: read from the question file, one test per chapter, and the
// checker that says whether an answer is right.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace study {

enum class Chapter { Makro, LM, REM, Analyse };
constexpr int kChapters = 4;
// "makro", "lm", "rem", "analyse" (as `--open TFormSelbsttest:lm` and `?test=lm` name them).
const char* chapterKey(Chapter c);
std::optional<Chapter> chapterFromKey(std::string_view key);
// "Makroskopie", "Lichtmikroskopie", ...
const char* chapterName(Chapter c);

enum class Kind { Single, Multiple, Picture, HotSpot, Number };

struct Option {
    std::string text;  // the answer, or the photograph's file name for a picture question
    bool right = false;
};

struct Question {
    Chapter chapter = Chapter::Makro;
    Kind kind = Kind::Single;
    std::string text;
    std::vector<Option> options;  // choices and pictures
    std::string picture;          // hot spot: the photograph clicked on
    int spotX = 0, spotY = 0, spotW = 0, spotH = 0;  // hot spot: the right region, picture pixels
    double value = 0, tolerance = 0;                  // number: the answer and how far off it may be
    std::string unit;                                 // number: shown after the field
    std::string explanation;
    std::string window;  // the class name of the window that teaches it
    int line = 0;        // where it starts in the file
};

// A learner's answer: the chosen options (indices into Question::options), the point
// clicked in the picture (picture pixels), or the number typed.
struct Answer {
    std::vector<int> chosen;
    std::optional<std::pair<int, int>> point;
    std::string number;
};

// Reads a number as a German user types it ("6,4", "6.4", " 26 "); nothing when it is none.
std::optional<double> parseNumber(std::string_view text);
bool isRight(const Question& q, const Answer& a);

class QuestionBank {
public:
    // Reads the file format (described at the top of the question file); what is wrong
    // (an unknown kind, a question without a right answer, a chapter missing) goes to
    // `problems` and the question is left out.
    static QuestionBank parse(std::string_view file, std::vector<std::string>* problems = nullptr);
    // The questions compiled into the program.
    static const QuestionBank& builtIn();

    const std::vector<Question>& questions() const { return questions_; }
    // The indices of a chapter's questions, in file order.
    std::vector<int> ofChapter(Chapter c) const;

private:
    std::vector<Question> questions_;
};

}  // namespace study
