#include "frame/Photo.h"

#include "assets/Photos.h"
#include "ui/Jpeg.h"

namespace frame {

ui::raster::Bitmap loadPhoto(const std::string& fileName, int statedWidth, int statedHeight) {
    const metallo::EmbeddedFile* f = assets::photo(fileName);
    ui::DecodedPicture p = f ? ui::decodeJpeg(f->data, f->size, statedWidth, statedHeight)
                             : ui::decodeJpeg(nullptr, 0, statedWidth, statedHeight);
    return std::move(p.bitmap);
}

}  // namespace frame
