// Text with the embedded Liberation Sans faces, rendered by FreeType as hinted
// monochrome glyphs: the same text at the same place always gives the same pixels.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/raster/Raster.h"
#include "ui/text/Font.h"

namespace ui::text {

struct Metrics {
    int ascent = 0;   // baseline below the cell top
    int descent = 0;  // cell bottom below the baseline
    int cellHeight() const { return ascent + descent; }
};

// UTF-8 to code points; invalid bytes are taken as Windows-1252 characters.
std::u32string decodeUtf8(std::string_view s);

// The code points the font shows for the text ("Symbol" shows Latin letters as Greek ones).
std::u32string mapForFace(const std::string& faceName, std::u32string text);

Metrics metrics(const Font& font);
int textWidth(const Font& font, std::string_view utf8);

// Draws the text with the top-left of its cell at (x, y) in target coordinates. With
// `opaque` the cell (text width by cell height) is first filled with `background`.
// Text is always drawn in copy mode. Returns the text width.
int drawText(raster::Target& t, int x, int y, const Font& font, std::string_view utf8, bool opaque,
             uint32_t backgroundPixel);

}  // namespace ui::text
