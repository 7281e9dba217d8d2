#include "contact_sheet.h"

#include <algorithm>
#include <cmath>

#include "text.h"

namespace pg {

Image8 contact_sheet(const std::vector<std::pair<std::string, const Image8*>>& items) {
  const int cols = 6, cell_w = 300, cell_h = 220, label_h = 22, gap = 10;
  const int rows = static_cast<int>((items.size() + cols - 1) / cols);
  Image sheet(cols * (cell_w + gap) + gap, rows * (cell_h + label_h + gap) + gap, Rgb(0.3f, 0.3f, 0.32f));
  Font font(Weight::Regular, 13);
  for (size_t k = 0; k < items.size(); ++k) {
    const Image8& src = *items[k].second;
    Image img(src.width, src.height);
    for (size_t i = 0; i < img.data().size(); ++i)
      img.data()[i] = Rgb(src.rgb[3 * i] / 255.0f, src.rgb[3 * i + 1] / 255.0f, src.rgb[3 * i + 2] / 255.0f);
    const double s = std::min(1.0, std::min(static_cast<double>(cell_w) / src.width, static_cast<double>(cell_h) / src.height));
    const int w = std::max(1, static_cast<int>(std::lround(src.width * s)));
    const int h = std::max(1, static_cast<int>(std::lround(src.height * s)));
    const Image small = resize_area(img, w, h);
    const int cx = gap + static_cast<int>(k % cols) * (cell_w + gap);
    const int cy = gap + static_cast<int>(k / cols) * (cell_h + label_h + gap);
    paste(sheet, small, cx + (cell_w - w) / 2, cy + (cell_h - h));
    const std::string label = items[k].first + "  " + std::to_string(src.width) + "x" + std::to_string(src.height);
    font.draw(sheet, cx, cy + cell_h + 16, label, Rgb(1, 1, 1));
  }
  return quantise(sheet);
}

}  // namespace pg
