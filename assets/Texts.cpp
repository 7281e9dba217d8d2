#include "assets/Texts.h"

#include "ui/Embedded.h"

METALLO_DECLARE_EMBEDDED(metallo_texts)

namespace assets {

namespace {
std::string_view embeddedText(const char* name) {
    const metallo::EmbeddedFile* f = metallo_texts_find(name);
    return f ? std::string_view(reinterpret_cast<const char*>(f->data), f->size) : std::string_view();
}
}  // namespace

std::string_view glossaryText() { return embeddedText("glossar.txt"); }

std::string_view descriptionsText() { return embeddedText("beschreibungen.txt"); }

std::string_view selfTestText() { return embeddedText("fragen.txt"); }

}  // namespace assets
