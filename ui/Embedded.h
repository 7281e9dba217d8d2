// Files compiled into the program (fonts, photographs).
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace metallo {

struct EmbeddedFile {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

}  // namespace metallo

// Declares the lookup functions that embed_files(<target> <symbol> ...) generates.
#define METALLO_DECLARE_EMBEDDED(symbol)                                      \
    const metallo::EmbeddedFile* symbol##_find(std::string_view name);       \
    std::span<const metallo::EmbeddedFile> symbol##_all();
