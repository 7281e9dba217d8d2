// What the two electron-beam windows share: numbers in German notation, checked entries,
// bar charts and the atomically written files of `save`.
#pragma once

#include <string>
#include <vector>

#include "ui/Canvas.h"

namespace chapters {

// "1,57" with `decimals` places and a decimal comma.
std::string germanNumber(double v, int decimals);
// "0.2915": for values() and files.
std::string plainNumber(double v, int decimals);

// Reads a whole number from `lowest` to `highest` (blanks and thin groupings "1 000" allowed).
bool readWholeNumber(const std::string& text, long lowest, long highest, long& value);
// Reads a number with a decimal point or comma from `lowest` to `highest`.
bool readDecimal(const std::string& text, double lowest, double highest, double& value);

// A bar chart of counts in the rectangle: axes, bars, the axis caption below and the first and
// last values of the axis under its ends.
void drawHistogram(ui::Canvas& c, const ui::Rect& r, const std::vector<long>& counts, ui::TColor bars,
                   const std::string& caption, const std::string& from, const std::string& to);

// A nice length for a scale bar of about `wantedUm`: 1, 2 or 5 times a power of ten, and its text
// in nm below 1 µm ("500 nm", "2 µm").
double scaleBarUm(double wantedUm, std::string& text);

}  // namespace chapters
