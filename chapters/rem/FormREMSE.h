// TFormREMSE: Schema des Strahlengangs beim Sekundärelektronendetektor (SE-Detektor)
#pragma once

#include "chapters/rem/DetectorSchema.h"

namespace chapters {

class TFormREMSE : public DetectorSchema {
public:
    static constexpr const char* kClassName = "TFormREMSE";
    explicit TFormREMSE(ui::Application& app);

    ui::MenuItem& Neustarten1 = item("Neustarten1");

    void PaintBoxHauptPaint() override;
    void Neustarten1Click();
    void FormClose() override;
};

}  // namespace chapters
