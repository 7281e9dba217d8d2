// What the page's accessibility mirror needs of a window's controls: for every control
// that shows, its kind, name, bounds, state and items. The page places an invisible
// HTML element with the matching role over each one.
#pragma once

#include "ui/Form.h"
#include "web/Json.h"

namespace web {

// A window with controls a user works (buttons, fields, lists, sliders, links); windows
// of pictures and texts only have their canvas and its text alternative.
bool hasMirror(const ui::Form& f);

// The controls as a JSON array, in the order a screen reader reads them.
void writeControls(Json& j, const ui::Form& f);

// Whether pixels that changed in `r` may belong to rows that scrolled (a list's rows
// scroll without telling the backend).
bool mirrorMayMove(const ui::Form& f, const ui::raster::Rect& r);

}  // namespace web
