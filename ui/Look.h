// The classic 3-D look of the controls: system colours, raised and sunken edges, the
// dotted focus rectangle, embossed grey text, and the small glyphs (check mark, radio
// dot, arrows). Everything draws into a target in the form's client coordinates.
#pragma once

#include <string_view>

#include "ui/Colour.h"
#include "ui/raster/Raster.h"
#include "ui/text/Font.h"

namespace ui::look {

using raster::Rect;
using raster::Target;

// The system colours that go with the button face.
constexpr TColor clBtnHighlight = 0xFFFFFF;
constexpr TColor cl3DLight = 0xE3E3E3;
constexpr TColor clBtnShadow = 0xA0A0A0;
constexpr TColor cl3DDkShadow = 0x696969;
constexpr TColor clGrayText = 0x6D6D6D;
constexpr TColor clHighlight = 0xFF9933;  // #3399FF
constexpr TColor clHighlightText = 0xFFFFFF;
constexpr TColor clHotLight = 0xCC6600;   // links, #0066CC
constexpr TColor clScrollBar = 0xC8C8C8;

void fill(Target& t, const Rect& r, TColor c);
// A one-pixel frame: top and left in one colour, bottom and right in the other.
void edge(Target& t, const Rect& r, TColor topLeft, TColor bottomRight);
// A button's two-pixel raised edge, or its pressed (sunken) edge.
void raised(Target& t, const Rect& r);
void pressed(Target& t, const Rect& r);
// The two-pixel sunken edge of fields (edits, lists, check boxes).
void sunken(Target& t, const Rect& r);
// The etched line around a group's frame.
void etched(Target& t, const Rect& r);
// Every other pixel of the rectangle's outline, black (the keyboard focus).
void focusRect(Target& t, const Rect& r);
// The focus ring of a clickable picture: its outer pixel black, the next white, so it shows
// on dark and light photographs alike.
void pictureRing(Target& t, const Rect& r);
constexpr TColor kPictureRingOuter = clBlack;
constexpr TColor kPictureRingInner = clWhite;

// Text with the top-left of its cell at (x, y); a disabled text is embossed grey.
// The accelerator "&" of captions is not shown; its letter is underlined.
int text(Target& t, int x, int y, const Font& f, std::string_view utf8, bool enabled, TColor colour);
int captionWidth(const Font& f, std::string_view caption);
int cellHeight(const Font& f);

// Glyphs, centred in the rectangle.
void checkMark(Target& t, const Rect& box, TColor c);
void radio(Target& t, int x, int y, bool checked, bool enabled, bool down);
void arrow(Target& t, const Rect& r, bool up, TColor c);

}  // namespace ui::look
