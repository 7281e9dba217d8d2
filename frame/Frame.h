// What every window of the program shares: the status bar text, the Esc and "Ende"
// items that only close the window, and the stored-layout resolutions.
#pragma once

#include "ui/Form.h"
#include "ui/Menu.h"

namespace frame {

inline constexpr const char* kEscHint = "ESC = Abbruch";

// Layouts were drawn at one of two resolutions.
inline constexpr int kDesign96 = 96;
inline constexpr int kDesign120 = 120;

// Makes the item close its window and nothing else.
inline void closes(ui::Form& f, ui::MenuItem& item) {
    item.OnClick = [&f] { f.Close(); };
}

// The invisible "ESC" item with the Esc shortcut, closing the window.
inline void escapeItem(ui::Form& f, ui::MenuItem& item) {
    item.setVisible(false);
    closes(f, item);
}

}  // namespace frame
