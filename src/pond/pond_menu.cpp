// The main window's side of the menu bar: its item accessors, its handler of
// File > Reset and the enabling of that item.
#include "app/menu.h"
#include "framework/errors.h"
#include "window_pond.h"

namespace ulvarin {

namespace {

// The item of that name anywhere in the window's menu bar, as T; nil when the
// item is of another class.
template <typename T>
T* ItemOf(const Window& window, std::string_view name) {
    if (!window.MenuBar()) throw NilObjectException("the window has no menu bar");
    return dynamic_cast<T*>(window.MenuBar()->Lookup(name));
}

}  // namespace

MenuItem* WindowPond::UntitledMenu0() { return ItemOf<MenuItem>(*this, "UntitledMenu0"); }
AppleMenuItem* WindowPond::AppleAbout() { return ItemOf<AppleMenuItem>(*this, "AppleAbout"); }
MenuItem* WindowPond::EditClear() { return ItemOf<MenuItem>(*this, "EditClear"); }
MenuItem* WindowPond::EditPaste() { return ItemOf<MenuItem>(*this, "EditPaste"); }
MenuItem* WindowPond::EditCopy() { return ItemOf<MenuItem>(*this, "EditCopy"); }
MenuItem* WindowPond::EditCut() { return ItemOf<MenuItem>(*this, "EditCut"); }
MenuItem* WindowPond::UntitledMenu1() { return ItemOf<MenuItem>(*this, "UntitledMenu1"); }
MenuItem* WindowPond::EditUndo() { return ItemOf<MenuItem>(*this, "EditUndo"); }
MenuItem* WindowPond::UntitledMenu2() { return ItemOf<MenuItem>(*this, "UntitledMenu2"); }
QuitMenuItem* WindowPond::FileQuit() { return ItemOf<QuitMenuItem>(*this, "FileQuit"); }
MenuItem* WindowPond::FileReset() { return ItemOf<MenuItem>(*this, "FileReset"); }

void WindowPond::AddMenuHandlers(Window& window) {
    auto* pond = dynamic_cast<WindowPond*>(&window);
    if (pond == nullptr) throw NilObjectException("menu handlers need the main window");
    pond->AddMenuHandler("FileReset", [pond] { return pond->FileReset_Action(); });
}

void WindowPond::Event_EnableMenuItems() { FileReset()->SetEnabled(true); }

}  // namespace ulvarin
