// TFormMakroSt2: picture page "Stereomikroskopie: Korrosion an einem unlegierten Stahl"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormMakroSt2 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormMakroSt2";
    explicit TFormMakroSt2(ui::Application& app);
};

}  // namespace chapters
