// The list of pictures the program shows and the scenes that make them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "image.h"
#include "jpeg_io.h"

namespace pg {

struct PictureEntry {
  std::string file;  // file name in the photo folder
  int width;
  int height;
};

// All 42 pictures, in a fixed order.
const std::vector<PictureEntry>& picture_list();

// A picture with a burned-in scale bar: the width of the field it shows and
// the length the bar stands for.
struct ScaleBarEntry {
  std::string file;
  double field_um;
  double bar_um;
};
const std::vector<ScaleBarEntry>& scale_bars();
// The entry of one file; throws if the picture has no bar.
const ScaleBarEntry& scale_bar(const std::string& file);

// One rendered picture ready for encoding.
struct Output {
  std::string file;
  Image image;
  JpegOptions jpeg;
};

// A scene renders one model once and derives all files that show it (the
// large picture with its labels, small copies, thumbnails).
struct Scene {
  std::string name;
  std::function<std::vector<Output>()> render;
};

const std::vector<Scene>& scenes();

}  // namespace pg
