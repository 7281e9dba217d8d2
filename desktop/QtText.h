// Texts, fonts and colours of the windowing layer in Qt's terms.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "ui/Colour.h"
#include "ui/text/Font.h"

namespace desktop {

// UTF-8 as the windows write it; stray bytes are read as Windows-1252, as the text
// engine reads them.
QString toQString(const std::string& s);

QColor toQColor(ui::TColor c);

// The embedded Liberation Sans at the pixel size the text engine draws the font with.
// Registers the embedded faces with Qt on first use (needs the QGuiApplication).
QFont toQFont(const ui::Font& f);

// The em size in pixels the text engine draws a font with.
int pixelSize(const ui::Font& f);

}  // namespace desktop
