// Scale-bar arithmetic: how many pixels a length covers in a picture whose
// width shows a known field of view, and how the length is written.
#pragma once

#include <string>

namespace pg {

struct Magnification {
  double field_width_um;  // width of the imaged field in micrometres
  int width_px;           // picture width in pixels
  double px_per_um() const { return width_px / field_width_um; }
  double um_per_px() const { return field_width_um / width_px; }
};

// Bar length in whole pixels for a length in micrometres (rounded to nearest).
int bar_pixels(const Magnification& m, double length_um);

// The micrometres a bar of the given pixel length stands for.
double bar_length_um(const Magnification& m, int pixels);

// German notation: lengths of 1 mm and more, or multiples of 100 µm from
// 200 µm up, in millimetres with a decimal comma ("0,2 mm"); others in
// micrometres ("10 µm", "2,5 µm").
std::string format_length(double um);

// Number with a decimal comma and at most three decimals, no trailing zeros.
std::string decimal_comma(double v);

}  // namespace pg
