// What the application tells the display about its forms. The headless backend keeps
// everything virtual; the desktop backend mirrors it into real windows.
#pragma once

#include "ui/raster/Raster.h"

namespace ui {

class Form;

class Backend {
public:
    virtual ~Backend() = default;
    virtual void formShown(Form&) {}
    virtual void formHidden(Form&) {}
    virtual void formRaised(Form&) {}
    virtual void formGeometryChanged(Form&) {}
    virtual void formCaptionChanged(Form&) {}
    virtual void formMenuChanged(Form&) {}
    virtual void formStatusChanged(Form&) {}
    virtual void formEnabledChanged(Form&) {}
    virtual void formActivated(Form&) {}
    virtual void formPixelsChanged(Form&, const raster::Rect&) {}
    virtual void formCursorChanged(Form&) {}
    virtual void timersChanged() {}
    virtual void quit(int /*status*/) {}
};

}  // namespace ui
