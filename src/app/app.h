// The application object: shows the main window at start and owns the
// About command.
#pragma once

#include "framework/application.h"

namespace ulvarin {

class AppleMenuItem;

class App : public Application {
public:
    // The application object of this run.
    static App& Instance();

    void Event_Open() override;
    void Event_EnableMenuItems() override;
    // Shows the About window; answers false.
    bool AppleAbout_Action();
};

// The About item of the application's menu bar.
AppleMenuItem* AppleAbout();

}  // namespace ulvarin
