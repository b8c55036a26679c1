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

void StartUpAndRun() {
    try {
        auto app = std::make_unique<App>();
        app->SetMenuBar(Menu::Instance());
        RegisterAppObject(std::move(app));
        App::Instance().AddMenuHandler("AppleAbout", [] { return App::Instance().AppleAbout_Action(); });
        WindowPond::Instance();
        RuntimeRun();
    } catch (const std::exception& error) {
        UnhandledException(error.what());
    }
}

void ShutDown() {
    ReleasePictures();
    ReleaseAllWindows();
    Menu::Release();
}

}  // namespace ulvarin
