// TFormMakroCr3: picture page "Stereomikroskopie: Poröse Stellen im Belag"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormMakroCr3 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormMakroCr3";
    explicit TFormMakroCr3(ui::Application& app);
};

}  // namespace chapters
