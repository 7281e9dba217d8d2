// The deposit on sheets of a ferritic chromium steel: the text on the left, two small
// stereo-microscope pictures on the right that open the deposit and its porous spots.
#pragma once

#include "frame/Photo.h"
#include "frame/TwoPictureWindow.h"

namespace chapters {

class TFormMakroCr1 : public frame::TwoPictureWindow {
public:
    static constexpr const char* kClassName = "TFormMakroCr1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormMakroCr1.Image1.jpg", 392, 235},
        {"TFormMakroCr1.Image2.jpg", 392, 235},
    };
    explicit TFormMakroCr1(ui::Application& app);
};

}  // namespace chapters
