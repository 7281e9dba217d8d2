// A single overview picture of many pictures, each with its file name.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "image.h"

namespace pg {

// Lays the pictures out in rows of six cells, each scaled to fit its cell
// without changing its aspect ratio, with the name below.
Image8 contact_sheet(const std::vector<std::pair<std::string, const Image8*>>& items);

}  // namespace pg
