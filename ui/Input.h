// Keys, mouse buttons and modifier keys as the windows receive them. Key codes are the
// classic desktop's virtual keys: letters and digits are their upper-case characters.
#pragma once

#include <string>
#include <string_view>

namespace ui {

enum class MouseButton { Left, Right, Middle };

// Modifier keys held with a key or mouse event.
enum Shift : unsigned { ssNone = 0, ssShift = 1, ssCtrl = 2, ssAlt = 4 };

namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Escape = 27, Space = 32;
constexpr int Prior = 33, Next = 34, End = 35, Home = 36;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
constexpr int Delete = 46;
constexpr int F1 = 112, F4 = 115;
}  // namespace vk

// A key as the script language writes it ("tab", "shift+tab", "ctrl+a", "alt+down",
// "pagedown", "f1", a letter or digit). Returns false for a name it does not know.
bool parseKeyName(std::string_view name, int& key, unsigned& shift);

// Appends a code point as UTF-8.
void appendUtf8(std::string& out, char32_t c);

}  // namespace ui
