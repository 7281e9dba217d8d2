// TFormMakroCr2: picture page "Stereomikroskopie: Belag auf einem Chromstahl"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormMakroCr2 : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormMakroCr2";
    explicit TFormMakroCr2(ui::Application& app);
};

}  // namespace chapters
