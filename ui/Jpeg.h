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

// A stored JPEG kept compressed until it is first needed.
struct StoredJpeg {
    std::string name;                     // named in the message when it is broken
    const unsigned char* data = nullptr;  // not owned: lives as long as the program
    size_t size = 0;
    int width = 0, height = 0;            // the size the window states for it
};

// Decodes a stored JPEG. A broken one (unreadable, incomplete or of another size than
// stated) gives the grey placeholder and one line on stderr naming it.
raster::Bitmap decodeStored(const StoredJpeg& jpeg);

// Encodes RGB pixels as a baseline JPEG (used by tools and tests).
std::string encodeJpeg(const raster::Bitmap& b, int quality);

}  // namespace ui
