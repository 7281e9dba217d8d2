// TFormLMCrNi2: picture page "Lichtmikroskopische Aufnahme: X10 CrNi 17 7"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormLMCrNi2 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormLMCrNi2";
    explicit TFormLMCrNi2(ui::Application& app);
};

}  // namespace chapters
