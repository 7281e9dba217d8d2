// The chromium-nickel-molybdenum-titanium steel in the scanning electron microscope: the
// text on the left, the BSE and the SE picture small on the right, opening the large pages.
#pragma once

#include "frame/Photo.h"
#include "frame/TwoPictureWindow.h"

namespace chapters {

class TFormREMCrNi1 : public frame::TwoPictureWindow {
public:
    static constexpr const char* kClassName = "TFormREMCrNi1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormREMCrNi1.Image1.jpg", 392, 235},
        {"TFormREMCrNi1.Image2.jpg", 392, 235},
    };
    explicit TFormREMCrNi1(ui::Application& app);
};

}  // namespace chapters
