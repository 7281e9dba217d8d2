// What the application tells the display about its forms. The headless backend keeps
// everything virtual; the desktop backend mirrors it into real windows.
#pragma once

#include <string>

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
    // A control's focus, value, text, items, visibility or enabled state changed.
    virtual void formControlsChanged(Form&) {}
    // The clipboard for cut, copy and paste (this one keeps it in the program).
    virtual std::string clipboardText() { return clipboard_; }
    virtual void setClipboardText(const std::string& s) { clipboard_ = s; }
    virtual void timersChanged() {}
    virtual void quit(int /*status*/) {}

private:
    std::string clipboard_;
};

}  // namespace ui
