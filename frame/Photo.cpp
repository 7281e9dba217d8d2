#include "frame/Photo.h"

#include "assets/Photos.h"
#include "ui/Jpeg.h"

namespace frame {

ui::raster::Bitmap loadPhoto(const PhotoSpec& photo) {
    const metallo::EmbeddedFile* f = assets::photo(photo.file);
    ui::DecodedPicture p = f ? ui::decodeJpeg(f->data, f->size, photo.width, photo.height)
                             : ui::decodeJpeg(nullptr, 0, photo.width, photo.height);
    return std::move(p.bitmap);
}

}  // namespace frame
