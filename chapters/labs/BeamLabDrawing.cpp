#include "chapters/labs/BeamLabDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace chapters {

std::string plainNumber(double v, int decimals) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    return buffer;
}

std::string germanNumber(double v, int decimals) {
    std::string s = plainNumber(v, decimals);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

namespace {
std::string withoutBlanks(const std::string& text) {
    std::string s;
    for (char ch : text)
        if (ch != ' ' && ch != '\t') s += ch;
    return s;
}
}  // namespace

bool readWholeNumber(const std::string& text, long lowest, long highest, long& value) {
    const std::string s = withoutBlanks(text);
    if (s.empty() || s.size() > 12 || !std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return false;
    const long v = std::atol(s.c_str());
    if (v < lowest || v > highest) return false;
    value = v;
    return true;
}

bool readDecimal(const std::string& text, double lowest, double highest, double& value) {
    std::string s = withoutBlanks(text);
    std::replace(s.begin(), s.end(), ',', '.');
    if (s.empty() || s.size() > 16) return false;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (*end != '\0' || !std::isfinite(v) || v < lowest || v > highest) return false;
    value = v;
    return true;
}

void drawHistogram(ui::Canvas& c, const ui::Rect& r, const std::vector<long>& counts, ui::TColor bars,
                   const std::string& caption, const std::string& from, const std::string& to) {
    const int textHeight = c.TextHeight("Ag");
    const int left = r.left + 4, right = r.right - 6, top = r.top + 4, bottom = r.bottom - 2 * textHeight - 4;
    c.brush.setColor(ui::clWhite);
    c.pen.color = ui::clGray;
    c.pen.width = 1;
    c.Rectangle(r.left, r.top, r.right, r.bottom);
    long highest = 0;
    for (long n : counts) highest = std::max(highest, n);
    const int n = static_cast<int>(counts.size());
    if (highest > 0 && n > 0)
        for (int i = 0; i < n; ++i) {
            const int x0 = left + (right - left) * i / n, x1 = left + (right - left) * (i + 1) / n;
            const int h = static_cast<int>(std::lround(double(bottom - top) * counts[size_t(i)] / highest));
            if (h <= 0) continue;
            c.brush.setColor(bars);
            c.FillRect(ui::Rect{x0, bottom - h, std::max(x0 + 1, x1 - 1), bottom});
        }
    c.pen.color = ui::clBlack;
    c.MoveTo(left, top);
    c.LineTo(left, bottom);
    c.LineTo(right + 1, bottom);
    c.brush.style = ui::BrushStyle::Clear;
    c.TextOut(left, bottom + 1, from);
    c.TextOut(right - c.TextWidth(to), bottom + 1, to);
    c.TextOut((r.left + r.right - c.TextWidth(caption)) / 2, bottom + textHeight, caption);
    c.brush.style = ui::BrushStyle::Solid;
}

double scaleBarUm(double wantedUm, std::string& text) {
    const double decade = std::pow(10.0, std::floor(std::log10(wantedUm)));
    double length = decade;
    for (double factor : {2.0, 5.0, 10.0})
        if (decade * factor <= wantedUm) length = decade * factor;
    if (length < 1) text = std::to_string(static_cast<long>(std::lround(length * 1000))) + " nm";
    else text = std::to_string(static_cast<long>(std::lround(length))) + " µm";
    return length;
}

}  // namespace chapters
