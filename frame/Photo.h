// Decodes a stored photograph for a window's layout. A missing or broken file gives a
// grey placeholder of the stated size, so every window still opens.
#pragma once

#include <string>

#include "ui/raster/Raster.h"

namespace frame {

ui::raster::Bitmap loadPhoto(const std::string& fileName, int statedWidth, int statedHeight);

}  // namespace frame
