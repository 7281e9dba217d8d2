// JPEG photographs decoded from memory with libjpeg(-turbo).
#pragma once

#include <cstddef>
#include <memory>
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

// Decodes a JPEG a portion of rows at a time, for a caller that gives the thread back in
// between (the browser at start-up); the same pixels, and the same placeholder for broken
// data, as decodeJpeg, which is this with all rows at once.
class JpegDecoder {
public:
    JpegDecoder(const unsigned char* data, size_t size, int statedWidth, int statedHeight);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;
    // Decodes up to `rows` more rows; true once the picture is complete or found broken.
    bool decodeRows(int rows);
    // The picture, the rows that are left decoded first.
    DecodedPicture take();

private:
    struct State;
    void fail(std::string why);
    std::unique_ptr<State> s_;
    int statedWidth_, statedHeight_;
    bool done_ = false;
    DecodedPicture result_;
};

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
// The same for a picture decoded already (the line on stderr names it).
raster::Bitmap decodeStored(DecodedPicture p, const std::string& name);

// Encodes RGB pixels as a baseline JPEG (used by tools and tests).
std::string encodeJpeg(const raster::Bitmap& b, int quality);

}  // namespace ui
