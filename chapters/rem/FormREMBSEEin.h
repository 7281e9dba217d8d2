// The backscattered-electron detector: a text page on atomic-number contrast whose menu
// opens the detector schematic.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormREMBSEEin : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormREMBSEEin";
    explicit TFormREMBSEEin(ui::Application& app);

    ui::MenuItem& SchemaeinesBSEDetektor1 = item("SchemaeinesBSEDetektor1");

    void FormCreate() override;
    void SchemaeinesBSEDetektor1Click();
};

}  // namespace chapters
