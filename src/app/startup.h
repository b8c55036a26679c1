// Start-up and shut-down of the program.
#pragma once

#include <functional>

#include "framework/runtime.h"

namespace ulvarin {

// The steps of start-up, in their order: the application object with its menu
// bar, the About command's handler, the main window, and the event loop.
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();

// The start-up sequence as StartUpAndRun runs it; a test replaces a step to
// make start-up fail there.
struct StartUpSteps {
    std::function<void()> newAppInstance = NewAppInstance;
    std::function<void()> addMenuHandlers = ApplicationAddMenuHandlers;
    std::function<void()> makeDefaultView = MakeDefaultView;
    std::function<void()> run = RuntimeRun;
};

// The whole run: start the framework, build the application and its main
// window, serve events until the user quits, release what was kept, and give
// back the framework's exit code.
int RunUlvarin(int argc, char** argv);

// The start-up sequence and the event loop. An exception that escapes a step
// before the loop means the program could not start: the steps after it are
// skipped and the framework says so. One that escapes the running loop ends a
// program that did start, and the framework says that instead. Either way
// shut-down follows all the same.
void StartUpAndRun(const StartUpSteps& steps = {});

// Releases, in order: the kept pictures, every window, the shared menu bar.
void ShutDown();

}  // namespace ulvarin
