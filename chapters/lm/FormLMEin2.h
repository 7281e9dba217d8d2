// The limits of light microscopy (resolution, depth of focus): a text page whose menu
// opens the wavelength chart and the microscope schematic.
#pragma once

#include "frame/TextPage.h"

namespace chapters {

class TFormLMEin2 : public frame::TextPage {
public:
    static constexpr const char* kClassName = "TFormLMEin2";
    explicit TFormLMEin2(ui::Application& app);

    ui::MenuItem& NuztzbareWellenlngenbereicheinderMikroskopieundAnalytik1 = item("NuztzbareWellenlngenbereicheinderMikroskopieundAnalytik1");
    ui::MenuItem& SchematischeDarstellungeinesLichtmikroskopes1 = item("SchematischeDarstellungeinesLichtmikroskopes1");

    void FormCreate() override;
    void NuztzbareWellenlngenbereicheinderMikroskopieundAnalytik1Click();
    void SchematischeDarstellungeinesLichtmikroskopes1Click();
};

}  // namespace chapters
