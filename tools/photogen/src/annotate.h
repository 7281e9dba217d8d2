// What is burned into a picture after it is rendered: scale bars, the data
// strip of the fracture micrographs and labels pointing at parts.
#pragma once

#include <string>
#include <vector>

#include "image.h"
#include "text.h"

namespace pg {

struct Point {
  double x = 0, y = 0;
};

// Anti-aliased straight stroke with round ends.
void draw_segment(Image& img, Point a, Point b, double width, const Rgb& c, float opacity = 1.0f);
// Anti-aliased filled triangle.
void fill_triangle(Image& img, Point a, Point b, Point c, const Rgb& col, float opacity = 1.0f);
// Filled rectangle [x0, x1) x [y0, y1) blended with the given opacity.
void fill_rect(Image& img, int x0, int y0, int x1, int y1, const Rgb& c, float opacity = 1.0f);

enum class BarStyle {
  LightMicroscope,  // black bar and text on a white panel
  Overlay,          // white bar and text with dark rims, straight on the picture
};

// Scale bar whose bar (bar_px long) ends at x = right, with the whole mark
// standing on y = bottom; the text is centred above the bar.
void draw_scale_bar(Image& img, const Font& font, BarStyle style, int right, int bottom, int bar_px,
                    const std::string& text);

// The black data strip of a scanning-electron micrograph: steel name on the
// left, scale bar with its length on the right. The strip covers the bottom
// 'height' rows.
void draw_data_strip(Image& img, const Font& font, int height, const std::string& left_text,
                     const std::string& middle_text, int bar_px, const std::string& bar_text);

enum class LabelStyle {
  Panel,    // dark text on a light panel, dark leader line (drawings)
  Outline,  // white text and arrow with dark rims (micrographs)
};

// A label of one or more lines whose top-left corner is at (x, y) and a
// leader from the nearest side of the label to target. Returns the label's
// bounding box width.
int draw_label(Image& img, const Font& font, LabelStyle style, int x, int y, const std::vector<std::string>& lines,
               Point target);

}  // namespace pg
