// The learner's progress: the topic windows opened, the self-tests with their best
// score, the glossary terms read; "Zurücksetzen" after a question.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/Layout.h"
#include "study/Progress.h"
#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/Menu.h"

namespace study {

class TFormFortschritt : public ui::Form {
public:
    static constexpr const char* kClassName = "TFormFortschritt";
    explicit TFormFortschritt(ui::Application& app);

    // Layout
    ui::Label LabelFenster{*this, "LabelFenster", ""};
    ui::ListBox ListBoxFenster{*this, "ListBoxFenster"};
    ui::Label LabelTests{*this, "LabelTests", "Selbsttests:"};
    std::vector<std::unique_ptr<ui::Label>> LabelTest;
    ui::Label LabelBegriffe{*this, "LabelBegriffe", ""};
    ui::ListBox ListBoxBegriffe{*this, "ListBoxBegriffe"};
    ui::Label LabelFrage{*this, "LabelFrage", ""};
    ui::Button ButtonZuruecksetzen{*this, "ButtonZuruecksetzen", "Zurücksetzen"};
    ui::Button ButtonJa{*this, "ButtonJa", "Ja, löschen"};
    ui::Button ButtonNein{*this, "ButtonNein", "Abbrechen"};
    ui::Button ButtonSchliessen{*this, "ButtonSchliessen", "Schließen"};
    ui::StatusBar StatusBar1;
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem ESC1;

    // The progress shown (the program's own; null: nothing to show).
    Progress* progress = nullptr;
    // The topic windows counted, as class names (handed over by the program).
    std::vector<std::string> TopicWindows;
    // Hears a change the window made (the reset), so that it is kept.
    std::function<void()> OnChange;

    // Handlers
    void FormCreate() override;
    void FormShow() override;
    void ButtonZuruecksetzenClick();
    void ButtonJaClick();
    void ButtonNeinClick();
    void ButtonSchliessenClick();

    // Shows the progress as it is now.
    void refresh();
    std::vector<std::pair<std::string, std::string>> values() const override;

private:
    void ask(bool asking);
    int windowsOpened() const;
    frame::Scale scale_;
};

}  // namespace study
