#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#ifndef PHOTOGEN_FONT_REGULAR
#define PHOTOGEN_FONT_REGULAR "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"
#endif
#ifndef PHOTOGEN_FONT_BOLD
#define PHOTOGEN_FONT_BOLD "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
#endif

namespace pg {

std::u32string utf8_decode(const std::string& s) {
  std::u32string out;
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int len = 0;
    char32_t cp = 0;
    if (c < 0x80) {
      len = 1;
      cp = c;
    } else if ((c & 0xE0) == 0xC0) {
      len = 2;
      cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3;
      cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4;
      cp = c & 0x07;
    } else {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    bool good = i + len <= s.size();
    for (int k = 1; good && k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) good = false;
      else cp = (cp << 6) | (cc & 0x3F);
    }
    if (!good) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    out.push_back(cp);
    i += len;
  }
  return out;
}

std::string font_path(Weight weight) { return weight == Weight::Bold ? PHOTOGEN_FONT_BOLD : PHOTOGEN_FONT_REGULAR; }

struct Font::Impl {
  FT_Library lib = nullptr;
  FT_Face face = nullptr;
  int ascent = 0, descent = 0;

  // Calls fn(glyph bitmap, pen x of the glyph origin) for every glyph.
  template <typename Fn>
  int walk(const std::u32string& text, Fn fn) const {
    int pen = 0;
    FT_UInt prev = 0;
    const bool kern = FT_HAS_KERNING(face);
    for (char32_t cp : text) {
      const FT_UInt gi = FT_Get_Char_Index(face, cp);
      if (kern && prev && gi) {
        FT_Vector delta;
        FT_Get_Kerning(face, prev, gi, FT_KERNING_DEFAULT, &delta);
        pen += static_cast<int>(delta.x >> 6);
      }
      if (FT_Load_Glyph(face, gi, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0) {
        fn(face->glyph, pen);
        pen += static_cast<int>((face->glyph->advance.x + 32) >> 6);
      }
      prev = gi;
    }
    return pen;
  }
};

Font::Font(Weight weight, int pixel_height) : impl_(std::make_unique<Impl>()) {
  if (FT_Init_FreeType(&impl_->lib) != 0) throw std::runtime_error("FreeType cannot start");
  const std::string path = font_path(weight);
  if (FT_New_Face(impl_->lib, path.c_str(), 0, &impl_->face) != 0)
    throw std::runtime_error("cannot open font " + path);
  FT_Set_Pixel_Sizes(impl_->face, 0, static_cast<FT_UInt>(pixel_height));
  impl_->ascent = static_cast<int>((impl_->face->size->metrics.ascender + 63) >> 6);
  impl_->descent = static_cast<int>((-impl_->face->size->metrics.descender + 63) >> 6);
}

Font::~Font() {
  if (impl_->face) FT_Done_Face(impl_->face);
  if (impl_->lib) FT_Done_FreeType(impl_->lib);
}

bool Font::ok() const { return impl_->face != nullptr; }

TextExtent Font::measure(const std::string& utf8) const {
  TextExtent e;
  e.width = impl_->walk(utf8_decode(utf8), [](FT_GlyphSlot, int) {});
  e.ascent = impl_->ascent;
  e.descent = impl_->descent;
  return e;
}

Field Font::mask(const std::string& utf8, int w, int h, int x, int baseline) const {
  Field m(w, h, 0.0f);
  impl_->walk(utf8_decode(utf8), [&](FT_GlyphSlot g, int pen) {
    const FT_Bitmap& bm = g->bitmap;
    const int ox = x + pen + g->bitmap_left, oy = baseline - g->bitmap_top;
    for (unsigned r = 0; r < bm.rows; ++r)
      for (unsigned c = 0; c < bm.width; ++c) {
        const int px = ox + static_cast<int>(c), py = oy + static_cast<int>(r);
        if (px < 0 || py < 0 || px >= w || py >= h) continue;
        const float a = bm.buffer[r * bm.pitch + c] / 255.0f;
        m(px, py) = std::max(m(px, py), a);
      }
  });
  return m;
}

void Font::draw(Image& img, int x, int baseline, const std::string& utf8, const Rgb& c, float opacity) const {
  impl_->walk(utf8_decode(utf8), [&](FT_GlyphSlot g, int pen) {
    const FT_Bitmap& bm = g->bitmap;
    const int ox = x + pen + g->bitmap_left, oy = baseline - g->bitmap_top;
    for (unsigned r = 0; r < bm.rows; ++r)
      for (unsigned col = 0; col < bm.width; ++col) {
        const float a = bm.buffer[r * bm.pitch + col] / 255.0f * opacity;
        img.blend(ox + static_cast<int>(col), oy + static_cast<int>(r), c, a);
      }
  });
}

void draw_outlined(Image& img, const Font& font, int x, int baseline, const std::string& utf8, const Rgb& fill,
                   const Rgb& outline, int radius) {
  const TextExtent e = font.measure(utf8);
  const int pad = radius + 2;
  const int w = e.width + 2 * pad + 4, h = e.height() + 2 * pad;
  const Field m = font.mask(utf8, w, h, pad, pad + e.ascent);
  // Halo: the glyph coverage dilated by a disc of the given radius.
  Field halo(w, h, 0.0f);
  for (int y = 0; y < h; ++y)
    for (int xx = 0; xx < w; ++xx) {
      float best = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          const double dist = std::sqrt(static_cast<double>(dx * dx + dy * dy));
          if (dist > radius + 0.5) continue;
          const int sx = xx + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
          const float fall = static_cast<float>(std::min(1.0, radius + 0.5 - dist));
          best = std::max(best, m(sx, sy) * fall);
        }
      halo(xx, y) = best;
    }
  const int ox = x - pad, oy = baseline - e.ascent - pad;
  for (int y = 0; y < h; ++y)
    for (int xx = 0; xx < w; ++xx) {
      img.blend(ox + xx, oy + y, outline, halo(xx, y) * 0.85f);
      img.blend(ox + xx, oy + y, fill, m(xx, y));
    }
}

}  // namespace pg
