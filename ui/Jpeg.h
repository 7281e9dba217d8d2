// JPEG photographs decoded from memory with libjpeg(-turbo).
#pragma once

#include <cstddef>
#include <string>

#include "ui/raster/Raster.h"

namespace ui {

struct DecodedPicture {
    raster::Bitmap bitmap;
    bool ok = false;
    std::string error;  // why the data could not be used
};

// The colour of the placeholder shown in place of a broken picture.
constexpr uint32_t kPlaceholderPixel = 0xFF808080u;

// Decodes a JPEG. Broken or truncated data never crashes: the result then carries the
// error and a grey placeholder of the stated size.
DecodedPicture decodeJpeg(const unsigned char* data, size_t size, int statedWidth, int statedHeight);

// Encodes RGB pixels as a baseline JPEG (used by tools and tests).
std::string encodeJpeg(const raster::Bitmap& b, int quality);

}  // namespace ui
