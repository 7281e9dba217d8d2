// The introduction to X-ray microanalysis (EDX and WDX): a text page whose menu opens the
// ionisation and the line-spectrum animations.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormREMEDXWDXEin : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormREMEDXWDXEin";
    explicit TFormREMEDXWDXEin(ui::Application& app);

    ui::MenuItem& Ionisation1 = item("Ionisation1");
    ui::MenuItem& KLMLinienspektrum1 = item("KLMLinienspektrum1");

    void FormCreate() override;
    void Ionisation1Click();
    void KLMLinienspektrum1Click();
};

}  // namespace chapters
