// The stored photographs by file name ("TFormAvTAus.jpg").
#pragma once

#include <span>
#include <string_view>

#include "ui/Embedded.h"

namespace assets {

// The embedded file, or null when the program was built without it.
const metallo::EmbeddedFile* photo(std::string_view fileName);
std::span<const metallo::EmbeddedFile> allPhotos();

}  // namespace assets
