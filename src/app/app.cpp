#include "app.h"

#include "framework/desktop.h"
#include "framework/errors.h"
#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "pond/window_pond.h"

namespace ulvarin {

App& App::Instance() {
    auto* app = dynamic_cast<App*>(AppObject());
    if (app == nullptr) throw NilObjectException("no application object");
    return *app;
}

void App::Event_Open() {
    try {
        WindowPond::Instance().Show();
    } catch (const std::exception&) {
        MsgBox("Error during app open. Please report to Dravek.");
    }
}

void App::Event_EnableMenuItems() {
    if (AppleMenuItem* about = AppleAbout()) about->SetEnabled(true);
}

bool App::AppleAbout_Action() { return false; }

AppleMenuItem* AppleAbout() {
    const auto& bar = App::Instance().MenuBar();
    if (!bar) throw NilObjectException("the application has no menu bar");
    return dynamic_cast<AppleMenuItem*>(bar->Lookup("AppleAbout"));
}

}  // namespace ulvarin
