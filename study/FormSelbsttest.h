// The self-test of one chapter: one question at a time (choice, pictures, a click into a
// drawing, a number), checked with a short explanation and a link to the window that
// teaches it; at the end the score, the questions missed and a second try.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "frame/Layout.h"
#include "study/SelfTest.h"
#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/Menu.h"

namespace study {

class TFormSelbsttest : public ui::Form {
public:
    static constexpr const char* kClassName = "TFormSelbsttest";
    static constexpr int kCheckBoxes = 6;
    static constexpr int kPictures = 4;
    // The share of right answers that passes a test.
    static constexpr int kPassPercent = 80;
    explicit TFormSelbsttest(ui::Application& app);

    // Layout
    ui::Label LabelKopf{*this, "LabelKopf", ""};
    ui::Label LabelFrage{*this, "LabelFrage", ""};
    ui::RadioGroup RadioAntwort{*this, "RadioAntwort", "Antwort"};
    std::vector<std::unique_ptr<ui::CheckBox>> CheckAntwort;
    ui::PaintBox PaintBoxBild{*this, "PaintBoxBild"};
    ui::Label LabelZahl{*this, "LabelZahl", "Ihre Antwort:"};
    ui::Edit EditZahl{*this, "EditZahl"};
    ui::Label LabelEinheit{*this, "LabelEinheit", ""};
    ui::ListBox ListBoxFalsch{*this, "ListBoxFalsch"};
    ui::Label LabelErgebnis{*this, "LabelErgebnis", ""};
    ui::Label LabelErklaerung{*this, "LabelErklaerung", ""};
    ui::LinkLabel LinkAnsehen{*this, "LinkAnsehen", ""};
    ui::Button ButtonPruefen{*this, "ButtonPruefen", "Prüfen"};
    ui::Button ButtonWeiter{*this, "ButtonWeiter", "Weiter"};
    ui::Button ButtonNochmal{*this, "ButtonNochmal", "Noch einmal"};
    ui::Button ButtonFalsche{*this, "ButtonFalsche", "Nur die falschen wiederholen"};
    ui::Button ButtonSchliessen{*this, "ButtonSchliessen", "Schließen"};
    ui::StatusBar StatusBar1;
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem ESC1;

    // Opens a topic window the way a user reaches it (handed over by the program).
    std::function<void(const std::string& className)> OpenTopic;
    // Hears every finished pass: the chapter, the score in percent and whether it passed.
    std::function<void(Chapter, int percent, bool passed)> OnFinished;

    // Handlers
    void FormCreate() override;
    void FormShow() override;
    void PaintBoxBildPaint();
    void PaintBoxBildMouseDown(ui::MouseButton b, unsigned shift, int x, int y);
    bool PaintBoxBildKeyDown(int key, unsigned shift);
    void RadioAntwortChange();
    void ButtonPruefenClick();
    void ButtonWeiterClick();
    void ButtonNochmalClick();
    void ButtonFalscheClick();
    void ButtonSchliessenClick();
    void LinkAnsehenClick();
    void ListBoxFalschChange();

    // Starts a chapter's test from its first question (a new round).
    void startChapter(Chapter c);
    std::vector<std::pair<std::string, std::string>> values() const override;
    // Picture questions: where picture i lies; hot spots: where the picture lies (in the
    // paint box).
    ui::Rect pictureRect(int i) const;

    // State
    const QuestionBank& bank;
    unsigned Seed = 1;             // the shuffles of a run follow from it (repeatable)
    Chapter Kapitel = Chapter::Makro;
    std::vector<int> Order;        // this pass's questions (indices into the bank)
    std::vector<int> OptionOrder;  // the shown options (indices into the question's options)
    int Pos = 0;                   // the current question within the pass
    bool Checked = false;          // the current question has been checked
    bool Finished = false;         // the pass is over: the result shows
    std::set<int> RightInRound;    // questions of the round answered right so far
    std::vector<int> WrongInPass;  // questions of this pass answered wrong
    int RoundSize = 0;             // the chapter's questions in this round
    int Answered = 0;              // questions checked in this pass
    Answer Current;

private:
    void startPass(std::vector<int> questions);
    void showQuestion();
    void showResult();
    void showLink(const std::string& className);
    void layoutPicture();
    Answer readAnswer() const;
    const Question& question() const { return bank.questions()[static_cast<size_t>(Order[static_cast<size_t>(Pos)])]; }
    const ui::raster::Bitmap& photo(const std::string& file);
    int percent() const;
    frame::Scale scale_;
    std::mt19937 random_;
    int passes_ = 0;
    std::string link_;
    std::vector<int> missedShown_;
    std::map<std::string, ui::raster::Bitmap> photos_;
};

}  // namespace study
