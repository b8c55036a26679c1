// The splash window: the cover of the textbook, the program's title, the
// companion web address and the version line, shown over the main window at
// start. It goes away by itself after five seconds, or as soon as a click on
// it ends.
#pragma once

#include <cstdint>

#include "framework/window.h"

namespace ulvarin {

class WindowSplash : public Window {
public:
    static constexpr const char* kClassName = "WindowSplash.WindowSplash";
    static constexpr std::int32_t kShowMilliseconds = 5000;

    // The open splash window, built when there is none.
    static WindowSplash& Instance();

    WindowSplash();

    void Layout() override;
    void CreateControls() override;

    void Timer1_Action();
    // A press answers true so that its release comes back here and closes
    // the window: the window closes on the release, never on the press.
    bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
    void Event_MouseUp(std::int32_t x, std::int32_t y) override;
};

}  // namespace ulvarin
