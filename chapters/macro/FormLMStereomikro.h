// TFormLMStereomikro: picture page "Stereomikroskop"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormLMStereomikro : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormLMStereomikro";
    explicit TFormLMStereomikro(ui::Application& app);
};

}  // namespace chapters
