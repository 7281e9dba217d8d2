// The self-tests: every question of the file (a right answer accepted, a wrong one
// refused, its pictures there, its link opening its window), a chapter taken as a user
// takes it (repeatable order, the wrong ones repeated, the progress told), and the
// progress file's damaged cases.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "ProgramFixture.h"
#include "app/GlossaryLinks.h"
#include "app/OpenPath.h"
#include "assets/Photos.h"
#include "assets/Texts.h"
#include "study/FormFortschritt.h"
#include "study/FormSelbsttest.h"
#include "study/ProgressFile.h"
#include "study/SelfTest.h"
#include "ui/Jpeg.h"

namespace {

using study::Answer;
using study::Kind;
using study::Question;

std::vector<int> rightOptions(const Question& q) {
    std::vector<int> out;
    for (size_t i = 0; i < q.options.size(); ++i)
        if (q.options[i].right) out.push_back(static_cast<int>(i));
    return out;
}

Answer rightAnswer(const Question& q) {
    Answer a;
    a.chosen = rightOptions(q);
    a.point = std::pair<int, int>{q.spotX + q.spotW / 2, q.spotY + q.spotH / 2};
    a.number = std::to_string(q.value);
    return a;
}

// Wrong answers of every shape the question allows.
std::vector<Answer> wrongAnswers(const Question& q) {
    std::vector<Answer> out;
    for (size_t i = 0; i < q.options.size(); ++i) {
        if (q.options[i].right) continue;
        Answer a;
        a.chosen = q.kind == Kind::Multiple ? rightOptions(q) : std::vector<int>{};
        a.chosen.push_back(static_cast<int>(i));  // a wrong one chosen (besides the right ones)
        out.push_back(a);
    }
    if (q.kind == Kind::Multiple && rightOptions(q).size() > 1) {
        Answer a;
        a.chosen = rightOptions(q);
        a.chosen.pop_back();  // one right one missing
        out.push_back(a);
    }
    out.push_back(Answer{});  // nothing given
    Answer outside;
    outside.point = std::pair<int, int>{q.spotX - 1, q.spotY + q.spotH / 2};
    outside.number = std::to_string(q.value + 2 * q.tolerance + 1);
    out.push_back(outside);
    Answer below = outside;
    below.point = std::pair<int, int>{q.spotX + q.spotW / 2, q.spotY + q.spotH};
    below.number = "abc";
    out.push_back(below);
    return out;
}

TEST(SelfTestQuestions, EveryQuestionChecksItsAnswersShowsItsPicturesAndOpensItsWindow) {
    std::vector<std::string> problems;
    const study::QuestionBank bank = study::QuestionBank::parse(assets::selfTestText(), &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    std::set<Kind> kinds;
    for (int c = 0; c < study::kChapters; ++c)
        EXPECT_GE(bank.ofChapter(static_cast<study::Chapter>(c)).size(), 12u) << study::chapterName(static_cast<study::Chapter>(c));
    Started s;
    for (const Question& q : bank.questions()) {
        SCOPED_TRACE("question in line " + std::to_string(q.line) + ": " + q.text);
        kinds.insert(q.kind);
        EXPECT_TRUE(study::isRight(q, rightAnswer(q)));
        for (const Answer& a : wrongAnswers(q)) EXPECT_FALSE(study::isRight(q, a));
        std::vector<std::string> pictures;
        if (q.kind == Kind::Picture)
            for (const study::Option& o : q.options) pictures.push_back(o.text);
        if (q.kind == Kind::HotSpot) pictures.push_back(q.picture);
        for (const std::string& p : pictures) {
            const metallo::EmbeddedFile* f = assets::photo(p);
            ASSERT_NE(f, nullptr) << p;
            const ui::DecodedPicture d = ui::decodeJpeg(f->data, f->size, 0, 0);
            ASSERT_TRUE(d.ok) << p;
            if (q.kind == Kind::HotSpot) {
                EXPECT_LE(q.spotX + q.spotW, d.bitmap.width) << "the region leaves the picture";
                EXPECT_LE(q.spotY + q.spotH, d.bitmap.height) << "the region leaves the picture";
            }
        }
        // As the link opens it: windows shown modally over the overview close first.
        EXPECT_TRUE(app::openFromGlossary(s.app, q.window)) << q.window;
        EXPECT_TRUE(s.form(q.window.c_str()).visible()) << q.window;
    }
    EXPECT_EQ(kinds.size(), 5u) << "single, multiple, picture, hot spot and number questions";
}

TEST(SelfTestQuestions, ParserSaysWhatIsWrongAndKeepsTheRest) {
    std::vector<std::string> problems;
    const study::QuestionBank bank = study::QuestionBank::parse(
        "? before any chapter\n[lm]\n? Gut?\nart: einfach\n+ ja\n- nein\nerklärung: weil.\nansehen: TFormLMEin\n"
        "? Ohne Richtige\nart: einfach\n- a\n- b\nerklärung: x\nansehen: TFormLMEin\n"
        "? Zahl\nart: zahl\nwert: 1,5\ntoleranz: 0,1\nerklärung: y\nansehen: TFormLMEin\n[xyz]\n",
        &problems);
    ASSERT_EQ(bank.questions().size(), 2u);
    EXPECT_DOUBLE_EQ(bank.questions()[1].value, 1.5);
    EXPECT_TRUE(study::isRight(bank.questions()[1], Answer{{}, {}, " 1,55 "}));
    // Before a chapter, no right answer, an unknown chapter, and three chapters without questions.
    EXPECT_EQ(problems.size(), 6u);
}

// Answers the question on screen as a user would, right or wrong.
void answer(Started& s, study::TFormSelbsttest& t, bool right) {
    const Question& q = t.bank.questions()[static_cast<size_t>(t.Order[static_cast<size_t>(t.Pos)])];
    std::string script;
    switch (q.kind) {
        case Kind::Single:
        case Kind::Picture:
            for (size_t i = 0; i < t.OptionOrder.size(); ++i)
                if (q.options[static_cast<size_t>(t.OptionOrder[i])].right == right) {
                    script = "set TFormSelbsttest RadioAntwort " + std::to_string(i) + "\n";
                    break;
                }
            break;
        case Kind::Multiple:
            for (size_t i = 0; i < t.OptionOrder.size(); ++i)
                if (q.options[static_cast<size_t>(t.OptionOrder[i])].right == right)
                    script += "press TFormSelbsttest CheckAntwort" + std::to_string(i + 1) + "\n";
            break;
        case Kind::Number:
            script = "set TFormSelbsttest EditZahl " + (right ? std::to_string(q.value) : std::string("-1")) + "\n";
            break;
        case Kind::HotSpot: {
            // Keyboard: from the middle to the region's centre in marker steps (or not at all).
            script = "keys TFormSelbsttest space\n";
            break;
        }
    }
    if (q.kind == Kind::HotSpot && right) {
        // A click on the region's centre, through the picture's place on screen.
        const metallo::EmbeddedFile* f = assets::photo(q.picture);
        const ui::DecodedPicture d = ui::decodeJpeg(f->data, f->size, 0, 0);
        const ui::Rect box = t.PaintBoxBild.clientRect(), r = t.pictureRect(0);
        const int x = box.left + r.left + (q.spotX + q.spotW / 2) * (r.right - r.left) / d.bitmap.width;
        const int y = box.top + r.top + (q.spotY + q.spotH / 2) * (r.bottom - r.top) / d.bitmap.height;
        script = "click TFormSelbsttest " + std::to_string(x) + " " + std::to_string(y) + "\n";
    }
    script += "press TFormSelbsttest ButtonPruefen\npress TFormSelbsttest ButtonWeiter\n";
    const Outcome o = run(s, script);
    ASSERT_EQ(o.status, 0) << o.err;
}

std::map<std::string, std::string> values(Started& s) {
    std::map<std::string, std::string> out;
    std::istringstream in(run(s, "values TFormSelbsttest\n").out);
    for (std::string line; std::getline(in, line);) out[line.substr(0, line.find('\t'))] = line.substr(line.find('\t') + 1);
    return out;
}

TEST(SelfTestWindow, FailTheREMTestRepeatTheWrongOnesAndPassWithTheProgressTold) {
    Started s;
    ASSERT_EQ(app::openWindow(s.app, "TFormSelbsttest:rem"), "");
    auto& t = s.get<study::TFormSelbsttest>();
    const std::vector<int> firstOrder = t.Order;
    const int n = static_cast<int>(t.Order.size());
    ASSERT_GE(n, 12);
    // Three wrong: below 80 %.
    for (int i = 0; i < n; ++i) answer(s, t, i >= 3);
    auto v = values(s);
    EXPECT_EQ(v["kapitel"], "rem");
    EXPECT_EQ(v["beantwortet"], std::to_string(n));
    EXPECT_EQ(v["richtig"], std::to_string(n - 3));
    EXPECT_EQ(v["bestanden"], "0");
    EXPECT_EQ(s.program.progress().test(study::Chapter::REM).attempts, 1);
    EXPECT_FALSE(s.program.progress().test(study::Chapter::REM).passed);
    EXPECT_EQ(t.ListBoxFalsch.items().size(), 3u);
    // The link of a missed question opens its window.
    ASSERT_EQ(run(s, "set TFormSelbsttest ListBoxFalsch 0\npress TFormSelbsttest LinkAnsehen\n").status, 0);
    const Question& missed = t.bank.questions()[static_cast<size_t>(firstOrder[0])];
    EXPECT_TRUE(s.form(missed.window.c_str()).visible()) << missed.window;
    // Only the wrong ones again, all right: passed.
    // Back to the test as the user goes back: the topic window shown over the overview closes.
    ASSERT_TRUE(app::openFromGlossary(s.app, "TFormSelbsttest"));
    ASSERT_EQ(run(s, "press TFormSelbsttest ButtonFalsche\n").status, 0);
    EXPECT_EQ(t.Order.size(), 3u);
    for (int i = 0; i < 3; ++i) answer(s, t, true);
    v = values(s);
    EXPECT_EQ(v["punkte_prozent"], "100");
    EXPECT_EQ(v["bestanden"], "1");
    EXPECT_TRUE(s.program.progress().test(study::Chapter::REM).passed);
    EXPECT_EQ(s.program.progress().test(study::Chapter::REM).best, 100);
    EXPECT_TRUE(s.program.progress().windows().count(missed.window));
    // A second program in the same run order: the same shuffle.
    Started again;
    ASSERT_EQ(app::openWindow(again.app, "TFormSelbsttest:rem"), "");
    EXPECT_EQ(again.get<study::TFormSelbsttest>().Order, firstOrder);
    EXPECT_NE(app::openWindow(again.app, "TFormSelbsttest:xyz"), "");
}

class ProgressFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / ("metallo-progress-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void write(const std::string& text) {
        std::filesystem::create_directories(dir);
        std::ofstream(dir / study::kProgressFile) << text;
    }
    std::filesystem::path dir;
};

TEST_F(ProgressFile, RoundTripAndEveryDamagedFileSetAsideWithOneLine) {
    study::Progress p;
    p.windowOpened("TFormREMBSE");
    p.termRead("Perlit");
    p.testFinished(study::Chapter::LM, 71, false);
    p.testFinished(study::Chapter::LM, 86, true);
    ASSERT_EQ(study::saveProgress((dir / "a" / "b").string(), p), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "a" / "b" / "fortschritt.txt.neu"));
    std::string message;
    const study::Progress back = study::loadProgress((dir / "a" / "b").string(), message);
    EXPECT_EQ(message, "");
    EXPECT_EQ(back.serialize(), p.serialize());
    EXPECT_EQ(back.test(study::Chapter::LM).best, 86);
    EXPECT_EQ(back.meanScore(), 86);

    const std::pair<const char*, const char*> cases[] = {
        {"", "keine Fortschrittsdatei"},
        {"\x89PNG\r\n\x1a\n", "keine Fortschrittsdatei"},
        {"metallographie-fortschritt 2\nneu 1\n", "neueren Programmversion"},
        {"metallographie-fortschritt 1\nfenster TFormLMEin\ntest lm 140 1 1\n", "beschädigt (Zeile 3)"},
        {"metallographie-fortschritt 1\nunsinn\n", "beschädigt (Zeile 2)"},
        {"metallographie-fortschritt x\n", "beschädigt (Zeile 1)"},
    };
    for (const auto& [text, reason] : cases) {
        SCOPED_TRACE(reason);
        write(text);
        const study::Progress got = study::loadProgress(dir.string(), message);
        EXPECT_TRUE(got.empty());
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << "one line";
        EXPECT_FALSE(std::filesystem::exists(dir / study::kProgressFile));
        EXPECT_TRUE(std::filesystem::exists(dir / "fortschritt.txt.beiseite"));
        EXPECT_EQ(study::saveProgress(dir.string(), p), "") << "the next save works";
    }
    // A folder where the file should be: set aside too, never a crash.
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / study::kProgressFile);
    EXPECT_TRUE(study::loadProgress(dir.string(), message).empty());
    EXPECT_FALSE(message.empty());
}

TEST_F(ProgressFile, TheDesktopsFolderFollowsXdgStateHome) {
    const auto keep = [](const char* name) {
        const char* v = std::getenv(name);
        return std::pair<bool, std::string>{v != nullptr, v ? v : ""};
    };
    const auto xdg = keep("XDG_STATE_HOME"), home = keep("HOME");
    setenv("HOME", "/home/lernende", 1);
    setenv("XDG_STATE_HOME", "/srv/zustand", 1);
    EXPECT_EQ(study::defaultStateDirectory(), "/srv/zustand/metallographie");
    setenv("XDG_STATE_HOME", "relativ", 1);  // XDG base directories are absolute paths only
    EXPECT_EQ(study::defaultStateDirectory(), "/home/lernende/.local/state/metallographie");
    unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(study::defaultStateDirectory(), "/home/lernende/.local/state/metallographie");
    for (const auto& [name, value] : {std::pair{"XDG_STATE_HOME", xdg}, std::pair{"HOME", home}}) {
        if (value.first) setenv(name, value.second.c_str(), 1);
        else unsetenv(name);
    }
}

TEST_F(ProgressFile, TheProgramKeepsItOnlyWhereItIsTold) {
    {
        Started s;  // headless without --state: nothing kept anywhere
        ASSERT_EQ(app::openWindow(s.app, "TFormREMBSE"), "");
        EXPECT_EQ(s.program.progress().windows().count("TFormREMBSE"), 1u);
    }
    EXPECT_FALSE(std::filesystem::exists(dir));
    {
        ui::Application app(1024, 768);
        ui::headless::HeadlessBackend backend(app);
        app::Program program(app);
        program.keepProgressIn(dir.string());
        program.start();
        ASSERT_EQ(app::openWindow(app, "TFormGlossar:Perlit"), "");
        ASSERT_EQ(app::openWindow(app, "TFormFortschritt"), "");
        auto& view = *static_cast<study::TFormFortschritt*>(app.findForm("TFormFortschritt"));
        EXPECT_EQ(view.TopicWindows.size(), 60u);
        EXPECT_EQ(view.values()[2].second, "1");
    }
    std::string message;
    study::Progress kept = study::loadProgress(dir.string(), message);
    EXPECT_EQ(kept.terms().count("Perlit"), 1u);
    {
        ui::Application app(800, 600);
        ui::headless::HeadlessBackend backend(app);
        app::Program program(app);
        program.keepProgressIn(dir.string());
        program.start();
        EXPECT_EQ(program.progress().terms().count("Perlit"), 1u) << "kept between runs";
        ASSERT_EQ(app::openWindow(app, "TFormFortschritt"), "");
        ui::Form& view = *app.findForm("TFormFortschritt");
        // Zurücksetzen asks first; "Abbrechen" keeps everything, "Ja" clears it.
        ASSERT_TRUE(app.mouseClick(view, view.findControl("ButtonZuruecksetzen")->clientRect().left + 2,
                                   view.findControl("ButtonZuruecksetzen")->clientRect().top + 2));
        EXPECT_TRUE(view.findControl("ButtonJa")->visible());
        app.keyDown(view, ui::vk::Return);  // Enter takes the safe answer
        EXPECT_EQ(program.progress().terms().size(), 1u);
        ASSERT_TRUE(app.mouseClick(view, view.findControl("ButtonZuruecksetzen")->clientRect().left + 2,
                                   view.findControl("ButtonZuruecksetzen")->clientRect().top + 2));
        ASSERT_TRUE(app.mouseClick(view, view.findControl("ButtonJa")->clientRect().left + 2,
                                   view.findControl("ButtonJa")->clientRect().top + 2));
        EXPECT_TRUE(program.progress().empty());
    }
    EXPECT_TRUE(study::loadProgress(dir.string(), message).empty());
}

}  // namespace
