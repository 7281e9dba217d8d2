// TFormLMLichtmikro: picture page "Probe unter dem Lichtmikroskop"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormLMLichtmikro : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormLMLichtmikro";
    explicit TFormLMLichtmikro(ui::Application& app);
};

}  // namespace chapters
