// TFormREMBSE: Schema des Strahlengangs beim Rückstreuelektronendetektor (BSE-Detektor)
#pragma once

#include "chapters/rem/DetectorSchema.h"

namespace chapters {

class TFormREMBSE : public DetectorSchema {
public:
    static constexpr const char* kClassName = "TFormREMBSE";
    explicit TFormREMBSE(ui::Application& app);

    ui::MenuItem& Stopp1 = item("Stopp1");

    void PaintBoxHauptPaint() override;
    void Stopp1Click();
    void FormClose() override;
};

}  // namespace chapters
