// The menu bar: File (Reset, Quit) and Edit (Undo, Cut, Copy, Paste, Clear,
// which the program never enables, and About as its last item). One shared
// instance serves the application and the main window.
#pragma once

#include <memory>

#include "framework/menu_item.h"

namespace ulvarin {

class Menu : public MenuBar {
public:
    // The shared bar, built on the first call.
    static std::shared_ptr<Menu> Instance();
    // Drops the shared reference (at shut-down).
    static void Release();

    Menu();

private:
    void BuildFileMenu();
    void BuildEditMenu();
};

}  // namespace ulvarin
