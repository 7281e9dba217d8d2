// TFormAvTAus: picture page "Rasterelektronenmikroskopische Aufnahme: Austenitischer Stahl X5 CrNi 18-10"
#pragma once

#include "frame/PicturePage.h"

namespace chapters {

class TFormAvTAus : public frame::PicturePage {
public:
    static constexpr const char* kClassName = "TFormAvTAus";
    explicit TFormAvTAus(ui::Application& app);
};

}  // namespace chapters
