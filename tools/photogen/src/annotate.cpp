#include "annotate.h"

#include <algorithm>
#include <cmath>

namespace pg {

namespace {
double seg_dist(double px, double py, Point a, Point b) {
  const double vx = b.x - a.x, vy = b.y - a.y;
  const double len2 = vx * vx + vy * vy;
  double t = len2 > 0 ? ((px - a.x) * vx + (py - a.y) * vy) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (a.x + t * vx), py - (a.y + t * vy));
}
}  // namespace

void draw_segment(Image& img, Point a, Point b, double width, const Rgb& c, float opacity) {
  const double r = width / 2 + 1;
  const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - r)), x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + r));
  const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - r)), y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + r));
  for (int y = std::max(0, y0); y <= std::min(img.height() - 1, y1); ++y)
    for (int x = std::max(0, x0); x <= std::min(img.width() - 1, x1); ++x) {
      const double d = seg_dist(x + 0.5, y + 0.5, a, b);
      const double cov = std::clamp(width / 2 + 0.5 - d, 0.0, 1.0);
      if (cov > 0) img.blend(x, y, c, static_cast<float>(cov) * opacity);
    }
}

void fill_triangle(Image& img, Point a, Point b, Point c, const Rgb& col, float opacity) {
  const int x0 = static_cast<int>(std::floor(std::min({a.x, b.x, c.x})));
  const int x1 = static_cast<int>(std::ceil(std::max({a.x, b.x, c.x})));
  const int y0 = static_cast<int>(std::floor(std::min({a.y, b.y, c.y})));
  const int y1 = static_cast<int>(std::ceil(std::max({a.y, b.y, c.y})));
  auto edge = [](Point p, Point q, double x, double y) { return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x); };
  const double area = edge(a, b, c.x, c.y);
  if (area == 0) return;
  for (int y = std::max(0, y0); y <= std::min(img.height() - 1, y1); ++y)
    for (int x = std::max(0, x0); x <= std::min(img.width() - 1, x1); ++x) {
      int inside = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
          const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
          const double e0 = edge(a, b, px, py) / area, e1 = edge(b, c, px, py) / area, e2 = edge(c, a, px, py) / area;
          if (e0 >= 0 && e1 >= 0 && e2 >= 0) ++inside;
        }
      if (inside) img.blend(x, y, col, opacity * inside / 16.0f);
    }
}

void fill_rect(Image& img, int x0, int y0, int x1, int y1, const Rgb& c, float opacity) {
  for (int y = std::max(0, y0); y < std::min(img.height(), y1); ++y)
    for (int x = std::max(0, x0); x < std::min(img.width(), x1); ++x) img.blend(x, y, c, opacity);
}

void draw_scale_bar(Image& img, const Font& font, BarStyle style, int right, int bottom, int bar_px,
                    const std::string& text) {
  const TextExtent e = font.measure(text);
  const int bar_h = std::max(4, e.ascent / 3);
  const int gap = 3;
  const int left = right - bar_px;
  const int centre = (left + right) / 2;
  const int text_x = centre - e.width / 2;
  const int bar_top = bottom - bar_h;
  const int baseline = bar_top - gap - e.descent;
  if (style == BarStyle::LightMicroscope) {
    const int pad = 6;
    const int bx0 = std::min(left, text_x) - pad, bx1 = std::max(right, text_x + e.width) + pad;
    const int by0 = baseline - e.ascent - pad / 2, by1 = bottom + pad;
    fill_rect(img, bx0, by0, bx1, by1, Rgb(1, 1, 1), 0.88f);
    fill_rect(img, left, bar_top, right, bottom, Rgb(0, 0, 0));
    font.draw(img, text_x, baseline, text, Rgb(0, 0, 0));
    return;
  }
  const Rgb dark(0.05f, 0.05f, 0.05f);
  fill_rect(img, left - 1, bar_top - 1, right + 1, bottom + 1, dark, 0.85f);
  fill_rect(img, left, bar_top, right, bottom, Rgb(1, 1, 1));
  draw_outlined(img, font, text_x, baseline, text, Rgb(1, 1, 1), dark, 2);
}

void draw_data_strip(Image& img, const Font& font, int height, const std::string& left_text,
                     const std::string& middle_text, int bar_px, const std::string& bar_text) {
  const int top = img.height() - height;
  fill_rect(img, 0, top, img.width(), img.height(), Rgb(0.02f, 0.02f, 0.02f));
  // A thin light rule separates the strip from the picture, as on the screen.
  fill_rect(img, 0, top, img.width(), top + 1, Rgb(0.55f, 0.55f, 0.55f));
  const TextExtent e = font.measure(left_text);
  const int baseline = top + (height + e.ascent - e.descent) / 2 + 1;
  const Rgb white(0.95f, 0.95f, 0.95f);
  font.draw(img, 12, baseline, left_text, white);
  if (!middle_text.empty()) font.draw(img, 24 + e.width + 20, baseline, middle_text, white);
  const TextExtent be = font.measure(bar_text);
  const int right = img.width() - 16 - be.width - 12;
  const int bar_h = 5;
  const int bar_y = top + (height - bar_h) / 2 + 1;
  fill_rect(img, right - bar_px, bar_y, right, bar_y + bar_h, white);
  // End ticks make the measured length unambiguous.
  fill_rect(img, right - bar_px, bar_y - 4, right - bar_px + 2, bar_y + bar_h + 4, white);
  fill_rect(img, right - 2, bar_y - 4, right, bar_y + bar_h + 4, white);
  font.draw(img, right + 12, baseline, bar_text, white);
}

int draw_label(Image& img, const Font& font, LabelStyle style, int x, int y, const std::vector<std::string>& lines,
               Point target) {
  int w = 0;
  TextExtent e;
  for (const auto& l : lines) {
    e = font.measure(l);
    w = std::max(w, e.width);
  }
  const int line_h = e.ascent + e.descent;
  const int pad = style == LabelStyle::Panel ? 6 : 2;
  const int bw = w + 2 * pad, bh = static_cast<int>(lines.size()) * line_h + 2 * pad - 2;
  // Leader from the label side nearest to the target.
  Point from;
  const double cx = x + bw / 2.0, cy = y + bh / 2.0;
  const double dx = target.x - cx, dy = target.y - cy;
  if (std::abs(dx) * bh > std::abs(dy) * bw)
    from = {dx > 0 ? static_cast<double>(x + bw) : static_cast<double>(x), cy};
  else
    from = {cx, dy > 0 ? static_cast<double>(y + bh) : static_cast<double>(y)};
  if (style == LabelStyle::Panel) {
    const Rgb ink(0.08f, 0.08f, 0.1f);
    draw_segment(img, from, target, 2.0, ink);
    draw_segment(img, target, target, 6.0, ink);
    fill_rect(img, x + 3, y + 3, x + bw + 3, y + bh + 3, Rgb(0, 0, 0), 0.25f);
    fill_rect(img, x, y, x + bw, y + bh, Rgb(1.0f, 0.98f, 0.86f), 0.95f);
    fill_rect(img, x, y, x + bw, y + 1, ink);
    fill_rect(img, x, y + bh - 1, x + bw, y + bh, ink);
    fill_rect(img, x, y, x + 1, y + bh, ink);
    fill_rect(img, x + bw - 1, y, x + bw, y + bh, ink);
    for (size_t i = 0; i < lines.size(); ++i)
      font.draw(img, x + pad, y + pad + e.ascent + static_cast<int>(i) * line_h, lines[i], ink);
    return bw;
  }
  const Rgb dark(0.05f, 0.05f, 0.05f), white(1, 1, 1);
  // Arrow: shaft and head, first in the dark rim colour, then white.
  const double len = std::hypot(target.x - from.x, target.y - from.y);
  const double ux = len > 0 ? (target.x - from.x) / len : 0, uy = len > 0 ? (target.y - from.y) / len : 0;
  const double head = 12, half = 5;
  const Point base{target.x - ux * head, target.y - uy * head};
  const Point l{base.x - uy * half, base.y + ux * half}, r{base.x + uy * half, base.y - ux * half};
  draw_segment(img, from, base, 4.5, dark, 0.85f);
  fill_triangle(img, {target.x + ux * 1.5, target.y + uy * 1.5}, {l.x - ux * 1.5 - uy * 1.5, l.y - uy * 1.5 + ux * 1.5},
                {r.x - ux * 1.5 + uy * 1.5, r.y - uy * 1.5 - ux * 1.5}, dark, 0.85f);
  draw_segment(img, from, base, 2.0, white);
  fill_triangle(img, target, l, r, white);
  for (size_t i = 0; i < lines.size(); ++i)
    draw_outlined(img, font, x + pad, y + pad + e.ascent + static_cast<int>(i) * line_h, lines[i], white, dark, 2);
  return bw;
}

}  // namespace pg
