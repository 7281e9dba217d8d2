// TFormREMBGes: picture page "Rasterelektronenmikroskop: Gesamtübersicht"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormREMBGes : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormREMBGes";
    explicit TFormREMBGes(ui::Application& app);
};

}  // namespace chapters
