// TFormREMBProbe: picture page "Rasterelektronenmikroskop: Vakuumkammer mit einer Probe"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormREMBProbe : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormREMBProbe";
    explicit TFormREMBProbe(ui::Application& app);
};

}  // namespace chapters
