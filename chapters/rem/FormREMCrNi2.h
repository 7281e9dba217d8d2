// TFormREMCrNi2: picture page "Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (BSE)"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormREMCrNi2 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormREMCrNi2";
    explicit TFormREMCrNi2(ui::Application& app);
};

}  // namespace chapters
