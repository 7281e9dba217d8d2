// What a screen reader says for a window's picture: its caption and, for text pages,
// their lines in order.
#pragma once

#include <string>
#include <vector>

#include "ui/Form.h"

namespace app {

std::vector<std::string> textAlternative(const ui::Form& f);

}  // namespace app
