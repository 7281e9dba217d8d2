#include "app/TextAlternative.h"

#include "frame/TextPage.h"

namespace app {

std::vector<std::string> textAlternative(const ui::Form& f) {
    std::vector<std::string> out{f.caption()};
    if (const auto* page = dynamic_cast<const frame::TextPage*>(&f))
        for (const frame::TextLine& line : page->lines()) out.emplace_back(line.text);
    return out;
}

}  // namespace app
