#include "assets/Photos.h"

METALLO_DECLARE_EMBEDDED(metallo_photos)

namespace assets {

const metallo::EmbeddedFile* photo(std::string_view fileName) { return metallo_photos_find(fileName); }

std::span<const metallo::EmbeddedFile> allPhotos() { return metallo_photos_all(); }

}  // namespace assets
