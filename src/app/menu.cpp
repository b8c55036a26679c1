#include "menu.h"

#include <optional>
#include <string>

namespace ulvarin {

namespace {

std::shared_ptr<Menu>& Shared() {
    static std::shared_ptr<Menu> shared;
    return shared;
}

// An item's properties, set in this order: Name, AutoEnable, Text, shortcut
// (a separator's shortcut is left alone).
template <typename Item = MenuItem>
std::shared_ptr<MenuItem> NewItem(std::string name, bool autoEnable, std::string text,
                                  std::optional<std::string> shortcut) {
    auto item = std::make_shared<Item>();
    item->SetName(std::move(name));
    item->SetAutoEnable(autoEnable);
    item->SetText(std::move(text));
    if (shortcut) item->SetKeyboardShortcut(*shortcut);
    return item;
}

}  // namespace

std::shared_ptr<Menu> Menu::Instance() {
    if (!Shared()) Shared() = std::make_shared<Menu>();
    return Shared();
}

void Menu::Release() { Shared().reset(); }

Menu::Menu() {
    BuildFileMenu();
    BuildEditMenu();
}

void Menu::BuildFileMenu() {
    Append(NewItem("UntitledMenu2", false, "File", ""));
    Child("UntitledMenu2")->Append(NewItem("FileReset", false, "Reset", "Cmd+R"));
    Child("UntitledMenu2")->Append(NewItem<QuitMenuItem>("FileQuit", true, "Quit", "Cmd+Q"));
}

void Menu::BuildEditMenu() {
    Append(NewItem("UntitledMenu0", false, "Edit", ""));
    Child("UntitledMenu0")->Append(NewItem("EditUndo", false, "Undo", "Cmd+Z"));
    Child("UntitledMenu0")->Append(NewItem("UntitledMenu1", false, "-", std::nullopt));
    Child("UntitledMenu0")->Append(NewItem("EditCut", false, "Cut", "Cmd+X"));
    Child("UntitledMenu0")->Append(NewItem("EditCopy", false, "Copy", "Cmd+C"));
    Child("UntitledMenu0")->Append(NewItem("EditPaste", false, "Paste", "Cmd+V"));
    Child("UntitledMenu0")->Append(NewItem("EditClear", false, "Clear", ""));
    Child("UntitledMenu0")->Append(NewItem<AppleMenuItem>("AppleAbout", false, "About Ulvarin...", ""));
}

}  // namespace ulvarin
