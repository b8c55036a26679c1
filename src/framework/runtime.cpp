#include "runtime.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "application.h"
#include "desktop.h"
#include "menu_item.h"
#include "qt_desktop.h"
#include "window.h"

namespace ulvarin {

namespace {

struct RuntimeState {
    std::unique_ptr<QApplication> qtApplication;
    QtDesktop desktop;
    std::unique_ptr<Application> app;
    std::vector<Window*> allWindows;       // owned: every window that exists
    std::vector<Window*> implicitWindows;  // the open window of each class
    bool quitting = false;
    int exitCode = 0;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

void Erase(std::vector<Window*>& list, Window* window) {
    list.erase(std::remove(list.begin(), list.end(), window), list.end());
}

// The window the user is working in: the active one, else the newest open
// window that shows a menu bar.
Window* FrontWindow() {
    auto& state = State();
    for (Window* window : state.implicitWindows) {
        if (window->Frame() == QApplication::activeWindow()) return window;
    }
    for (auto it = state.implicitWindows.rbegin(); it != state.implicitWindows.rend(); ++it) {
        if ((*it)->MenuBar()) return *it;
    }
    return nullptr;
}

void SetAutoEnabled(MenuItem& item) {
    if (item.Count() == 0 && !item.Separator()) item.SetEnabled(item.AutoEnable());
    for (std::size_t i = 0; i < item.Count(); ++i) SetAutoEnabled(item.Item(i));
}

void EnableHandledItems(MenuItem& item, const Application& app) {
    if (app.HasMenuHandler(item.Name())) item.SetEnabled(true);
    for (std::size_t i = 0; i < item.Count(); ++i) EnableHandledItems(item.Item(i), app);
}

}  // namespace

void RuntimeInit(int& argc, char** argv) {
    auto& state = State();
    if (!QApplication::instance()) {
        state.qtApplication = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setApplicationName(QStringLiteral("Ulvarin"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    InstallDesktop(&state.desktop);
}

void RuntimeRun() {
    auto& state = State();
    state.quitting = false;
    if (state.app) {
        try {
            state.app->Event_Open();
        } catch (const std::exception& error) {
            UnhandledException(error.what());
        }
    }
    if (!state.quitting) state.exitCode = QApplication::exec();
    state.quitting = false;
}

int RuntimeExit() {
    auto& state = State();
    // The application object goes first: it may hold the last reference to
    // menus whose actions need the Qt application to go cleanly.
    state.app.reset();
    InstallDesktop(nullptr);
    state.qtApplication.reset();
    return std::exchange(state.exitCode, 0);
}

void Quit() {
    State().quitting = true;
    QCoreApplication::exit(0);
}

bool Quitting() { return State().quitting; }

void RegisterAppObject(std::unique_ptr<Application> app) { State().app = std::move(app); }
Application* AppObject() { return State().app.get(); }
void ReleaseAppObject() { State().app.reset(); }

void RememberWindow(Window* window) { State().allWindows.push_back(window); }
const std::vector<Window*>& AllWindows() { return State().allWindows; }

void ForgetWindow(Window* window) {
    Erase(State().allWindows, window);
    Erase(State().implicitWindows, window);
}

void RegisterImplicitWindow(Window* window) {
    UnregisterImplicitWindow(window);
    State().implicitWindows.push_back(window);
}

void UnregisterImplicitWindow(Window* window) { Erase(State().implicitWindows, window); }

Window* FindImplicitWindow(std::string_view className) {
    for (Window* window : State().implicitWindows) {
        if (window->ClassName() == className) return window;
    }
    return nullptr;
}

void ReleaseAllWindows() {
    auto& state = State();
    state.implicitWindows.clear();
    // Each window takes itself off the list as it goes.
    while (!state.allWindows.empty()) delete state.allWindows.back();
}

void RefreshMenuStates(Window* front) {
    auto& state = State();
    std::shared_ptr<MenuBar> bar = front != nullptr ? front->MenuBar() : nullptr;
    if (!bar && state.app) bar = state.app->MenuBar();
    if (!bar) return;
    SetAutoEnabled(*bar);
    try {
        if (state.app) state.app->Event_EnableMenuItems();
    } catch (const std::exception& error) {
        UnhandledException(error.what());
    }
    if (front != nullptr) front->Dispatch([front] { front->Event_EnableMenuItems(); });
    if (state.app) EnableHandledItems(*bar, *state.app);
}

void HandleMenuCommand(MenuItem& item) {
    auto& state = State();
    const std::string name = item.Name();
    if (Window* front = FrontWindow(); front != nullptr && front->HandleMenuCommand(name)) return;
    bool handled = false;
    try {
        handled = state.app && state.app->HandleMenuCommand(name);
    } catch (const std::exception& error) {
        UnhandledException(error.what());
        return;
    }
    if (!handled && dynamic_cast<QuitMenuItem*>(&item) != nullptr) Quit();
}

void UnhandledException(const std::string& what) {
    MsgBox("Ulvarin met an error it could not handle (" + what + ") and carries on.");
}

void StartUpException(const std::string& what) {
    State().exitCode = EXIT_FAILURE;
    MsgBox("Ulvarin cannot start (" + what + ") and will close.");
}

void RunException(const std::string& what) {
    State().exitCode = EXIT_FAILURE;
    MsgBox("Ulvarin met an error it could not handle (" + what + ") and will close.");
}

}  // namespace ulvarin
