// The introduction to scanning electron microscopy: a text page on depth of focus,
// resolution and magnification whose menu shows four photographs of the instrument,
// beside the page on wide screens.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormREMEin : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormREMEin";
    explicit TFormREMEin(ui::Application& app);

    ui::MenuItem& REMBildGesamtdarstellung1 = item("REMBildGesamtdarstellung1");
    ui::MenuItem& REMBildVakuumkammer1 = item("REMBildVakuumkammer1");
    ui::MenuItem& REMBildProbeinderVakuumkammer1 = item("REMBildProbeinderVakuumkammer1");
    ui::MenuItem& Detektoren1 = item("Detektoren1");

    void FormCreate() override;
    void FormClose() override;
    void REMBildGesamtdarstellung1Click();
    void REMBildVakuumkammer1Click();
    void REMBildProbeinderVakuumkammer1Click();
    void Detektoren1Click();
};

}  // namespace chapters
