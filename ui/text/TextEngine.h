// Text with the embedded Liberation Sans faces, rendered by FreeType as hinted
// monochrome glyphs: the same text at the same place always gives the same pixels.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// "MS Sans Serif" (the narrow face) is realised as on the classic desktop, in the cell
// heights 13, 16, 20, 24, 29, 37 and their whole multiples: the largest not above the
// request, 13 below that; its glyphs and metrics are those of the realised size. Other
// faces keep the exact height.
Metrics metrics(const Font& font);
// The em size in pixels the glyphs of the font are drawn with.
int emPixels(const Font& font);
int textWidth(const Font& font, std::string_view utf8);

// Draws the text with the top-left of its cell at (x, y) in target coordinates. With
// `opaque` the cell (text width by cell height) is first filled with `background`.
// Text is always drawn in copy mode. Returns the text width.
int drawText(raster::Target& t, int x, int y, const Font& font, std::string_view utf8, bool opaque,
             uint32_t backgroundPixel);

// One text as drawText put it into a picture, in the coordinates of the bitmap it was
// drawn into: its cell, the pixels its glyphs cover before any clipping (so what a box or
// the window edge cut off counts too), and the clip it was drawn with.
struct DrawnText {
    const raster::Bitmap* bitmap = nullptr;
    std::string text;
    Font font;
    raster::Rect cell;
    raster::Rect ink;  // empty for a text without visible pixels
    raster::Rect clip;
};

// While one of these lives, every drawText of the thread is written down (tests that
// check where texts stand in the windows' pictures). Not nestable.
class TextLog {
public:
    TextLog();
    ~TextLog();
    TextLog(const TextLog&) = delete;
    TextLog& operator=(const TextLog&) = delete;
    std::vector<DrawnText> texts;
};

}  // namespace ui::text
