// Menus and their items: one model that every window showing the menu bar
// shares. Each item owns one action, so a window's menu bar and the
// keyboard shortcuts all act on the same item and show the same state.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMenuBar;

namespace ulvarin {

class Window;

class MenuItem {
public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Text() const { return text_; }
    // The text "-" makes the item a separator line.
    void SetText(std::string text);
    bool Separator() const { return text_ == "-"; }
    // "Cmd+R": the platform's command key (Ctrl on Linux and Windows) with R.
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(std::string shortcut);
    // An item that enables itself whenever menus are brought up to date.
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    bool Enabled() const;
    void SetEnabled(bool enabled);

    void Append(std::shared_ptr<MenuItem> item);
    std::size_t Count() const { return children_.size(); }
    MenuItem& Item(std::size_t position) const { return *children_.at(position); }
    // A direct child by name, or nullptr.
    MenuItem* Child(std::string_view name) const;
    // This item or any item below it by name, or nullptr.
    MenuItem* Lookup(std::string_view name);

    QAction* Action() const { return action_; }

protected:
    QAction* action_;

private:
    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool autoEnable_ = false;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

// The item whose command the framework carries out by quitting.
class QuitMenuItem : public MenuItem {
public:
    QuitMenuItem();
};

// The item a platform with an application menu shows there (About).
class AppleMenuItem : public MenuItem {
public:
    AppleMenuItem();
};

// The bar itself: its children are the menus.
class MenuBar : public MenuItem {};

// A window's view of the bar: one menu per child, holding the items' actions.
QMenuBar* BuildMenuBarView(MenuBar& bar, Window& window);

}  // namespace ulvarin
