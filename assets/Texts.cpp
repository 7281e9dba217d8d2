#include "assets/Texts.h"

#include "ui/Embedded.h"

METALLO_DECLARE_EMBEDDED(metallo_texts)

namespace assets {

std::string_view glossaryText() {
    const metallo::EmbeddedFile* f = metallo_texts_find("glossar.txt");
    return f ? std::string_view(reinterpret_cast<const char*>(f->data), f->size) : std::string_view();
}

}  // namespace assets
