// The framework's running state: the Qt application, the application object,
// the list of windows, menu dispatch, the event loop and the shut-down.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ulvarin {

class Application;
class MenuItem;
class Window;

// Starts the framework: the Qt application (its platform taken from the
// environment as usual), the look, and the real desktop seam.
void RuntimeInit(int& argc, char** argv);
// Runs the event loop after raising the application's Open event; returns
// when the application quits.
void RuntimeRun();
// Ends the framework and gives the process exit code of the last run: the
// event loop's, or a failure's when the program could not start or its loop
// failed. The next run starts again from 0.
int RuntimeExit();

// Ends the event loop. Waits in progress (the pause after a zygote) notice it
// and stop early.
void Quit();
bool Quitting();

// The application object.
void RegisterAppObject(std::unique_ptr<Application> app);
Application* AppObject();
void ReleaseAppObject();

// Every window that exists, and among them the one open window of each class.
void RememberWindow(Window* window);
const std::vector<Window*>& AllWindows();
void ForgetWindow(Window* window);
void RegisterImplicitWindow(Window* window);
void UnregisterImplicitWindow(Window* window);
Window* FindImplicitWindow(std::string_view className);
// Destroys every window at once: only when no handler is running (shut-down,
// and between tests).
void ReleaseAllWindows();

// The open window of class W, built when there is none.
template <typename W>
W& ImplicitWindow() {
    if (auto* open = dynamic_cast<W*>(FindImplicitWindow(W::kClassName))) return *open;
    auto built = std::make_unique<W>();
    built->Constructor();
    return *built.release();  // the framework's list of windows owns it now
}

// Menus: bring the enabled states up to date for the front window (the
// application's EnableMenuItems, the window's, then every item with an
// application handler), and carry out an item's command: the front window's
// handler first, then the application's, and Quit for a quit item nobody took.
void RefreshMenuStates(Window* front);
void HandleMenuCommand(MenuItem& item);

// The report of an exception that no handler caught. The program goes on.
void UnhandledException(const std::string& what);
// The report of an exception that stopped the program's start-up: the
// program cannot run, and the exit code of the run says it failed.
void StartUpException(const std::string& what);
// The report of an exception that escaped the running event loop: the program
// started but cannot go on, and the exit code of the run says it failed.
void RunException(const std::string& what);

}  // namespace ulvarin
