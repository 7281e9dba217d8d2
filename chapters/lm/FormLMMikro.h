// TFormLMMikro: picture page "Lichtmikrosopische Einrichtung"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormLMMikro : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormLMMikro";
    explicit TFormLMMikro(ui::Application& app);
};

}  // namespace chapters
