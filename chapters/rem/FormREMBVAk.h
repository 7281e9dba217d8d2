// TFormREMBVAk: picture page "Rasterelektronenmikroskop: Vakuumkammer"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormREMBVAk : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormREMBVAk";
    explicit TFormREMBVAk(ui::Application& app);
};

}  // namespace chapters
