// Main menu and its items: caption with "&" accelerator, Esc shortcut, visible, enabled.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ui {

class Form;
class MainMenu;

enum class ShortCut { None, Escape };

class MenuItem {
public:
    MenuItem(MainMenu& menu, std::string name, std::string caption, ShortCut shortCut = ShortCut::None);
    MenuItem(MenuItem& parent, std::string name, std::string caption, ShortCut shortCut = ShortCut::None);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    ShortCut shortCut() const { return shortCut_; }
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    const std::vector<MenuItem*>& items() const { return items_; }
    MenuItem* parent() const { return parent_; }
    MainMenu& menu() const { return menu_; }

    std::function<void()> OnClick;

private:
    void changed();

    MainMenu& menu_;
    MenuItem* parent_ = nullptr;
    std::string name_;
    std::string caption_;
    ShortCut shortCut_;
    bool visible_ = true;
    bool enabled_ = true;
    std::vector<MenuItem*> items_;
};

class MainMenu {
public:
    MainMenu(Form& owner, std::string name = "MainMenu1");
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    Form& owner() const { return owner_; }
    const std::string& name() const { return name_; }
    const std::vector<MenuItem*>& items() const { return items_; }
    // Every item, depth first, in menu order.
    std::vector<MenuItem*> allItems() const;
    MenuItem* find(const std::string& name) const;
    // The enabled item with this shortcut (visible or not), or null.
    MenuItem* findShortCut(ShortCut s) const;
    bool hasVisibleItems() const;

private:
    friend class MenuItem;
    Form& owner_;
    std::string name_;
    std::vector<MenuItem*> items_;
};

// The caption as shown: "&" marks the accelerator, "&&" is a literal ampersand.
std::string menuText(const std::string& caption);

}  // namespace ui
