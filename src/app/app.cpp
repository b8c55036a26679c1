#include "app.h"

#include "framework/desktop.h"
#include "framework/errors.h"
#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "pond/window_pond.h"
#include "windows/window_about.h"
#include "windows/window_splash.h"

namespace ulvarin {

App& App::Instance() {
    auto* app = dynamic_cast<App*>(AppObject());
    if (app == nullptr) throw NilObjectException("no application object");
    return *app;
}

void App::Event_Open() {
    // The splash opens above the main window, and only once the main window
    // is showing: a failure there skips it.
    try {
        WindowPond::Instance().Show();
        WindowSplash::Instance().Show();
    } catch (const std::exception&) {
        MsgBox("Error during app open. Please report to Dravek.");
    }
}

void App::Event_EnableMenuItems() {
    if (AppleMenuItem* about = AppleAbout()) about->SetEnabled(true);
}

// An About window already open comes to the front: there is never a second.
bool App::AppleAbout_Action() {
    WindowAbout::Instance().Show();
    return false;
}

AppleMenuItem* AppleAbout() {
    const auto& bar = App::Instance().MenuBar();
    if (!bar) throw NilObjectException("the application has no menu bar");
    return dynamic_cast<AppleMenuItem*>(bar->Lookup("AppleAbout"));
}

}  // namespace ulvarin
