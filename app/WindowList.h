// The one list of the program's windows, in the fixed order of start-up (the title
// window first: it is the main window). Start-up, the tests and the photographs' sizes
// all come from here; adding a window is its module plus one row.
#pragma once

#include <memory>
#include <span>
#include <type_traits>

#include "frame/Photo.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace app {

struct WindowEntry {
    const char* className;
    std::unique_ptr<ui::Form> (*make)(ui::Application&);
    std::span<const frame::PhotoSpec> photos;  // the stored pictures the window shows
};

template <class T>
WindowEntry entry() {
    static_assert(std::is_base_of_v<ui::Form, T>);
    std::span<const frame::PhotoSpec> photos;
    if constexpr (requires { T::kPhotos; }) photos = T::kPhotos;
    return WindowEntry{T::kClassName, [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<T>(a); },
                       photos};
}

std::span<const WindowEntry> windowList();
// The entry of a class name, or null.
const WindowEntry* findEntry(std::string_view className);

}  // namespace app
