// Which pixel of a form a click means when Qt scales the windows (QT_SCALE_FACTOR).
#pragma once

#include <QPoint>
#include <QPointF>

class QWidget;

namespace desktop {

// The form pixel whose picture covers the centre of the screen pixel under the pointer,
// for a mouse event at the logical position `pos` in `client` (the widget showing the
// form's pixels, scaled by its device pixel ratio). Qt rounds scaled pointer positions
// to whole logical pixels, which at factor 2 would give every other screen pixel to
// the next form pixel; with `askServer` on X11 the pointer's screen position is read
// from the server instead.
QPoint formPixelAt(const QWidget& client, const QPointF& pos, bool askServer);

}  // namespace desktop
