// The corroded tube of an unalloyed steel: the text on the left, two small stereo-microscope
// pictures on the right that open the crack and the oxide deposit as large pages.
#pragma once

#include "frame/Photo.h"
#include "frame/TwoPictureWindow.h"

namespace chapters {

class TFormMakroSt1 : public frame::TwoPictureWindow {
public:
    static constexpr const char* kClassName = "TFormMakroSt1";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormMakroSt1.Image1.jpg", 392, 235},
        {"TFormMakroSt1.Image2.jpg", 392, 235},
    };
    explicit TFormMakroSt1(ui::Application& app);
};

}  // namespace chapters
