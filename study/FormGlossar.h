// The glossary: a search field, the list of terms in dictionary order, and the chosen
// term's definition with links to related terms and to the windows that show it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/Layout.h"
#include "study/Glossary.h"
#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/Menu.h"

namespace study {

class TFormGlossar : public ui::Form {
public:
    static constexpr const char* kClassName = "TFormGlossar";
    static constexpr int kSeeAlsoLinks = 6;
    static constexpr int kWindowLinks = 6;
    explicit TFormGlossar(ui::Application& app);

    // Layout
    ui::Label LabelSuche{*this, "LabelSuche", "Suchen:"};
    ui::Edit EditSuche{*this, "EditSuche"};
    ui::Label LabelTreffer{*this, "LabelTreffer", ""};
    ui::ListBox ListBoxBegriffe{*this, "ListBoxBegriffe"};
    ui::Label LabelBegriff{*this, "LabelBegriff", ""};
    ui::Label LabelText{*this, "LabelText", ""};
    ui::Label LabelSiehe{*this, "LabelSiehe", "Siehe auch:"};
    std::vector<std::unique_ptr<ui::LinkLabel>> LinkSiehe;
    ui::Label LabelAnsehen{*this, "LabelAnsehen", "Im Programm ansehen:"};
    std::vector<std::unique_ptr<ui::LinkLabel>> LinkAnsehen;
    ui::Button ButtonSchliessen{*this, "ButtonSchliessen", "Schließen"};
    ui::StatusBar StatusBar1;
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem ESC1;

    // Opens a topic window the way a user reaches it (handed over by the program).
    std::function<void(const std::string& className)> OpenTopic;
    // Hears every term the window shows (a term read).
    std::function<void(const std::string& name)> OnTermShown;

    // Handlers
    void FormCreate() override;
    void EditSucheChange();
    bool EditSucheKeyDown(int key, unsigned shift);
    void ListBoxBegriffeChange();
    bool ListBoxBegriffeKeyDown(int key, unsigned shift);
    void LinkSieheClick(int i);
    void LinkAnsehenClick(int i);
    void ButtonSchliessenClick();

    // Shows every term with this one chosen (false when there is no such term).
    bool showTerm(const std::string& name);
    // Shows the terms of a window (F1 there); a window without terms shows them all.
    void showTermsOf(const Form& window);

    std::vector<std::pair<std::string, std::string>> values() const override;

    // State
    const Glossary& glossary;
    std::vector<int> Shown;  // the listed terms (indices into the glossary)
    int Chosen = -1;         // the term on the right, or -1

private:
    void fillList(std::vector<int> terms, const std::string& heading);
    void showChosen();
    frame::Scale scale_;
    bool filling_ = false;
};

}  // namespace study
