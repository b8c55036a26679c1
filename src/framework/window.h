// A window: built by the framework in fixed steps (Layout, CreateControls,
// AddMenuHandlers, then the Open event), holding its controls by name, and
// running every handler of its controls through Dispatch.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QObject>

#include "color.h"
#include "control.h"
#include "errors.h"

class QWidget;

namespace ulvarin {

class MenuBar;
class WindowFrameWidget;

// A document window has a title bar; a modal-dialog frame shows one only when
// the window has a title, and opens centred on the screen.
enum class WindowFrame { Document = 0, ModalDialog = 2 };
enum class WindowPlacement { Default = 0, CentredOnMainScreen = 2 };

// The properties a window's Layout applies, in one list.
struct WindowProperties {
    WindowPlacement placement = WindowPlacement::Default;
    std::int32_t width = 300;   // of the content area, below any menu bar
    std::int32_t height = 300;
    std::int32_t minWidth = 64;
    std::int32_t minHeight = 64;
    std::int32_t maxWidth = 32000;
    std::int32_t maxHeight = 32000;
    WindowFrame frame = WindowFrame::Document;
    bool hasBackColor = false;  // otherwise the platform's background
    Color backColor{255, 255, 255};
    std::string title;
    bool visible = true;
    bool closeButton = true;
    bool resizeable = true;
    bool maximizeButton = true;
    bool minimizeButton = true;
};

class Window : public QObject {
public:
    // `className` is the run-time name by which the framework finds the one
    // open window of the class ("WindowPond.WindowPond").
    explicit Window(std::string className);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& ClassName() const { return className_; }

    // Builds the window: Layout, CreateControls, AddMenuHandlers, registration
    // as the open window of its class, the Open event, and showing it when
    // its layout made it visible. An exception leaves the window unregistered.
    void Constructor();

    // Opens the window (centred, for a dialog or a centred window) or, when
    // it is open already, brings it to the front without moving it.
    void Show();
    // Hides the window and lets it go. A closed window is no longer found by
    // its class name; it is destroyed once no handler of it is running.
    void Close();
    bool Closed() const { return closed_; }
    void Refresh();
    // No control of this window keeps the keyboard focus. The window itself
    // holds it instead: keys and shortcuts still reach the window, and when
    // the window is activated again no control gets the focus back.
    void ClearControlFocus();

    void SetProperties(const WindowProperties& properties);
    const WindowProperties& Properties() const { return properties_; }
    std::string Title() const { return properties_.title; }

    const std::shared_ptr<ulvarin::MenuBar>& MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<ulvarin::MenuBar> menuBar);

    // Controls are found by name, and by name and index for control arrays.
    // Adding registers the control; it can be found from then on.
    template <typename T>
    T& AddControl(std::unique_ptr<T> control) {
        T& added = *control;
        Adopt(std::move(control));
        return added;
    }
    Control* ControlByName(std::string_view name) const;
    Control* ControlByNameIndex(std::string_view name, std::int32_t index) const;
    std::size_t ControlCount() const { return controls_.size(); }
    Control& ControlAt(std::size_t position) const { return *controls_.at(position); }

    // The control of that name (and index) as T, or NilObjectException.
    template <typename T>
    T& Find(std::string_view name) const {
        return Cast<T>(ControlByName(name), name);
    }
    template <typename T>
    T& Find(std::string_view name, std::int32_t index) const {
        return Cast<T>(ControlByNameIndex(name, index), name);
    }

    // Menu handlers by menu item name; a handler answers whether it handled
    // the command.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    bool HasMenuHandler(const std::string& itemName) const;
    bool HandleMenuCommand(const std::string& itemName);

    // Runs one handler of this window. The window stays alive while any of
    // its handlers runs, even if it is closed meanwhile, and an exception
    // that the handler does not catch goes to the framework's
    // unhandled-exception report instead of into the event loop.
    void Dispatch(const std::function<void()>& handler);
    template <typename F>
    auto Dispatch(decltype(std::declval<F>()()) fallback, F&& handler) {
        auto result = fallback;
        Dispatch(std::function<void()>([&] { result = handler(); }));
        return result;
    }

    // The window's events and construction steps, for subclasses.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window&) {}
    virtual void Event_Open() {}
    virtual void Event_EnableMenuItems() {}
    virtual bool Event_MouseDown(std::int32_t, std::int32_t) { return false; }
    virtual void Event_MouseUp(std::int32_t, std::int32_t) {}

    // The area the controls are placed on, and the top-level widget.
    QWidget* Content() const;
    QWidget* Frame() const;

private:
    friend class WindowFrameWidget;
    void Adopt(std::unique_ptr<Control> control);
    void ApplyFlags();
    // Marks the window closed, stops its controls, forgets it as the open
    // window of its class and destroys it once no handler of it is running.
    void LetGo();

    template <typename T>
    static T& Cast(Control* control, std::string_view name) {
        if (auto* cast = dynamic_cast<T*>(control)) return *cast;
        throw NilObjectException("no control " + std::string(name) + " of the expected class");
    }

    std::string className_;
    WindowProperties properties_;
    std::shared_ptr<ulvarin::MenuBar> menuBar_;
    WindowFrameWidget* frame_;
    QWidget* content_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::multimap<std::string, Control*, std::less<>> byName_;
    std::map<std::string, std::function<bool()>> menuHandlers_;
    int runningHandlers_ = 0;
    bool closed_ = false;
};

}  // namespace ulvarin
