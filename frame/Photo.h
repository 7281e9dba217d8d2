// The stored photographs: each window names the pictures it shows with the size its
// layout states. A photograph stays compressed until its window first shows it; a file
// that is missing or broken then shows as a grey placeholder of that size, so every
// window still opens.
#pragma once

#include "ui/Jpeg.h"

namespace frame {

struct PhotoSpec {
    const char* file;  // "TFormAvTAus.jpg", "TFormMakroSt1.Image1.jpg"
    int width;
    int height;
};

ui::StoredJpeg loadPhoto(const PhotoSpec& photo);

}  // namespace frame
