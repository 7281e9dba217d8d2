// TFormREMCrNi3: picture page "Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (SE)"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormREMCrNi3 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormREMCrNi3";
    explicit TFormREMCrNi3(ui::Application& app);
};

}  // namespace chapters
