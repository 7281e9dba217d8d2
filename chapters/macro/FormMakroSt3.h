// TFormMakroSt3: picture page "Stereomikroskopie: Korrosion an einem unlegierten Stahl"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormMakroSt3 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormMakroSt3";
    explicit TFormMakroSt3(ui::Application& app);
};

}  // namespace chapters
