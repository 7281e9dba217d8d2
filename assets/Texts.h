// The teaching texts that are data (the glossary, the windows' descriptions, the self-tests'
// questions), compiled into the program.
#pragma once

#include <string_view>

namespace assets {

// The glossary file (UTF-8; its format is described at its top); empty when the program
// was built without it.
std::string_view glossaryText();
// The self-tests' question file (UTF-8; its format is described at its top); empty when
// the program was built without it.
std::string_view selfTestText();

// The windows' descriptions for screen readers (UTF-8; format at the file's top); empty when
// the program was built without them.
std::string_view descriptionsText();

}  // namespace assets
