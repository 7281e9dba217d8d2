// PNG export of captured pixels.
#pragma once

#include <string>

#include "ui/raster/Raster.h"

namespace ui {

// Writes the bitmap as an 8-bit RGB PNG; false (and nothing half-written left behind)
// when the file cannot be written.
bool savePng(const raster::Bitmap& b, const std::string& path);

// Reads a PNG written by savePng (for tests and tools); empty bitmap on failure.
raster::Bitmap loadPng(const std::string& path);

}  // namespace ui
