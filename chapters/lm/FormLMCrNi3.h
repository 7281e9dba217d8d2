// TFormLMCrNi3: picture page "Lichtmikroskopische Aufnahme: X10 CrNi 17 7, mit Chromcarbiden"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormLMCrNi3 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormLMCrNi3";
    explicit TFormLMCrNi3(ui::Application& app);
};

}  // namespace chapters
