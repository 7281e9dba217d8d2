#include "ui/Input.h"

#include <array>
#include <utility>

namespace ui {

bool parseKeyName(std::string_view name, int& key, unsigned& shift) {
    shift = ssNone;
    for (;;) {
        if (name.starts_with("shift+")) shift |= ssShift, name.remove_prefix(6);
        else if (name.starts_with("ctrl+")) shift |= ssCtrl, name.remove_prefix(5);
        else if (name.starts_with("alt+")) shift |= ssAlt, name.remove_prefix(4);
        else break;
    }
    static constexpr std::array<std::pair<std::string_view, int>, 18> kNames{{
        {"tab", vk::Tab}, {"enter", vk::Return}, {"space", vk::Space}, {"esc", vk::Escape},
        {"left", vk::Left}, {"right", vk::Right}, {"up", vk::Up}, {"down", vk::Down},
        {"home", vk::Home}, {"end", vk::End}, {"pageup", vk::Prior}, {"pagedown", vk::Next},
        {"backspace", vk::Back}, {"delete", vk::Delete}, {"f1", vk::F1}, {"f4", vk::F4},
        {"return", vk::Return}, {"escape", vk::Escape},
    }};
    for (const auto& [n, k] : kNames)
        if (name == n) {
            key = k;
            return true;
        }
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'a' && c <= 'z') key = c - 'a' + 'A';
        else if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) key = c;
        else return false;
        return true;
    }
    return false;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace ui
