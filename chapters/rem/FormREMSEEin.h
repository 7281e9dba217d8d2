// The secondary-electron detector: a text page on topography contrast whose menu opens
// the detector schematic.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormREMSEEin : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormREMSEEin";
    explicit TFormREMSEEin(ui::Application& app);

    ui::MenuItem& SchemaeinesSEDetektor1 = item("SchemaeinesSEDetektor1");

    void FormCreate() override;
    void SchemaeinesSEDetektor1Click();
};

}  // namespace chapters
