// The application object: one per run, with the Open and EnableMenuItems
// events and the menu handlers that belong to no window.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ulvarin {

class MenuBar;

class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const std::shared_ptr<ulvarin::MenuBar>& MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<ulvarin::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }

    // Menu handlers by item name; a handler answers whether it handled the command.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
        menuHandlers_[itemName] = std::move(handler);
    }
    bool HasMenuHandler(const std::string& itemName) const { return menuHandlers_.count(itemName) != 0; }
    bool HandleMenuCommand(const std::string& itemName) {
        const auto found = menuHandlers_.find(itemName);
        return found != menuHandlers_.end() && found->second();
    }

    // Raised once the event loop is about to start.
    virtual void Event_Open() {}
    // Raised before the menus' enabled states are shown.
    virtual void Event_EnableMenuItems() {}

private:
    std::shared_ptr<ulvarin::MenuBar> menuBar_;
    std::map<std::string, std::function<bool()>> menuHandlers_;
};

}  // namespace ulvarin
