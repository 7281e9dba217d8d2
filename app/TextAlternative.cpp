#include "app/TextAlternative.h"

#include <algorithm>

#include "app/WindowDescriptions.h"
#include "frame/TextPage.h"

namespace app {

std::string TextAlternative::body() const {
    std::string out = description;
    for (const std::string& line : lines) out += (out.empty() ? "" : "\n") + line;
    return out;
}

std::string TextAlternative::joined() const {
    const std::string b = body();
    return b.empty() ? caption : caption + "\n" + b;
}

TextAlternative textAlternative(const ui::Form& f) {
    TextAlternative t{f.caption(), std::string(windowDescriptions().find(f.className())), {}};
    if (const auto* page = dynamic_cast<const frame::TextPage*>(&f)) {
        // A page lists its lines as it draws them; a reader wants them as they stand, top to bottom.
        const frame::Scale s = page->scale();
        std::vector<std::pair<int, const char*>> rows;
        for (const frame::TextLine& l : page->lines()) rows.emplace_back(l.pixelY ? frame::Round(l.y) : s.Y(l.y), l.text);
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [y, text] : rows) t.lines.emplace_back(text);
    }
    return t;
}

}  // namespace app
