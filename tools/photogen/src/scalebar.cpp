#include "scalebar.h"

#include <cmath>
#include <cstdio>

namespace pg {

int bar_pixels(const Magnification& m, double length_um) {
  return static_cast<int>(std::lround(length_um * m.px_per_um()));
}

double bar_length_um(const Magnification& m, int pixels) { return pixels * m.um_per_px(); }

std::string decimal_comma(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", v);
  std::string s = buf;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  for (char& c : s)
    if (c == '.') c = ',';
  if (s == "-0") s = "0";
  return s;
}

std::string format_length(double um) {
  const bool hundreds = um >= 200 && std::fabs(std::remainder(um, 100.0)) < 1e-9;
  if (um >= 1000 || hundreds) return decimal_comma(um / 1000.0) + " mm";
  return decimal_comma(um) + " \u00B5m";
}

}  // namespace pg
