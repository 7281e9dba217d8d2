// The stored photographs: each window names the pictures it shows with the size its
// layout states; decoding one gives a grey placeholder of that size when the file is
// missing or broken, so every window still opens.
#pragma once

#include "ui/raster/Raster.h"

namespace frame {

struct PhotoSpec {
    const char* file;  // "TFormAvTAus.jpg", "TFormMakroSt1.Image1.jpg"
    int width;
    int height;
};

ui::raster::Bitmap loadPhoto(const PhotoSpec& photo);

}  // namespace frame
