#include "startup.h"

#include <exception>
#include <memory>

#include "app.h"
#include "framework/runtime.h"
#include "menu.h"
#include "pictures.h"
#include "pond/window_pond.h"

namespace ulvarin {

int RunUlvarin(int argc, char** argv) {
    RuntimeInit(argc, argv);
    StartUpAndRun();
    ShutDown();
    return RuntimeExit();
}

void NewAppInstance() {
    auto app = std::make_unique<App>();
    app->SetMenuBar(Menu::Instance());
    RegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {
    App::Instance().AddMenuHandler("AppleAbout", [] { return App::Instance().AppleAbout_Action(); });
}

// The main window opens itself; the framework keeps it.
void MakeDefaultView() { WindowPond::Instance(); }

void StartUpAndRun(const StartUpSteps& steps) {
    try {
        steps.newAppInstance();
        steps.addMenuHandlers();
        steps.makeDefaultView();
    } catch (const std::exception& error) {
        StartUpException(error.what());
        return;
    }
    // From here the program has started: a failure is no longer one of start-up.
    try {
        steps.run();
    } catch (const std::exception& error) {
        RunException(error.what());
    }
}

void ShutDown() {
    ReleasePictures();
    ReleaseAllWindows();
    Menu::Release();
}

}  // namespace ulvarin
