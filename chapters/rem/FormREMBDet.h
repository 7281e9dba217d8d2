// TFormREMBDet: picture page "Rasterelektronenmikroskop: Detektoren in der Vakuumkammer"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormREMBDet : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormREMBDet";
    explicit TFormREMBDet(ui::Application& app);
};

}  // namespace chapters
