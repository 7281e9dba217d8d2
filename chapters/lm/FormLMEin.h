// Light microscopy, what it yields and why samples are prepared in steps: a text page
// whose menu opens the preparation steps, the microstructure page and the beam path.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormLMEin : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormLMEin";
    explicit TFormLMEin(ui::Application& app);

    ui::MenuItem& LichtmikroskopmitProbe1 = item("LichtmikroskopmitProbe1");
    ui::MenuItem& MikroskopeinrichtungmitBilderfassung1 = item("MikroskopeinrichtungmitBilderfassung1");
    ui::MenuItem& StrahlenganganeinerpoliertenundgetztenProbe1 = item("StrahlenganganeinerpoliertenundgetztenProbe1");

    void FormCreate() override;
    void LichtmikroskopmitProbe1Click();
    void MikroskopeinrichtungmitBilderfassung1Click();
    void StrahlenganganeinerpoliertenundgetztenProbe1Click();
};

}  // namespace chapters
