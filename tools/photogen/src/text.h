// Burned-in text: FreeType rendering of UTF-8 strings with Liberation Sans.
#pragma once

#include <memory>
#include <string>

#include "image.h"

namespace pg {

struct TextExtent {
  int width = 0;    // advance width of the whole string in pixels
  int ascent = 0;   // pixels above the baseline (font's ascender)
  int descent = 0;  // pixels below the baseline (positive)
  int height() const { return ascent + descent; }
};

// Decodes UTF-8 into code points; malformed bytes become U+FFFD.
std::u32string utf8_decode(const std::string& s);

enum class Weight { Regular, Bold };

// The font files the generator uses (Debian's fonts-liberation2).
std::string font_path(Weight weight);

// One face at one pixel size. Not shared between threads.
class Font {
 public:
  Font(Weight weight, int pixel_height);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  bool ok() const;
  TextExtent measure(const std::string& utf8) const;
  // Draws text with its baseline starting at (x, baseline), blending colour c
  // with the glyph coverage times opacity.
  void draw(Image& img, int x, int baseline, const std::string& utf8, const Rgb& c, float opacity = 1.0f) const;
  // Coverage mask of the text, w x h pixels with the baseline at 'baseline'.
  Field mask(const std::string& utf8, int w, int h, int x, int baseline) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Text with a dark (or light) halo so that it stays readable on any ground.
void draw_outlined(Image& img, const Font& font, int x, int baseline, const std::string& utf8, const Rgb& fill,
                   const Rgb& outline, int radius = 2);

}  // namespace pg
