// The teaching texts that are data (the glossary), compiled into the program.
#pragma once

#include <string_view>

namespace assets {

// The glossary file (UTF-8; its format is described at its top); empty when the program
// was built without it.
std::string_view glossaryText();

}  // namespace assets
