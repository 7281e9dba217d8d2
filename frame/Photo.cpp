#include "frame/Photo.h"

#include "assets/Photos.h"

namespace frame {

ui::StoredJpeg loadPhoto(const PhotoSpec& photo) {
    const metallo::EmbeddedFile* f = assets::photo(photo.file);
    return ui::StoredJpeg{photo.file, f ? f->data : nullptr, f ? f->size : 0, photo.width, photo.height};
}

}  // namespace frame
