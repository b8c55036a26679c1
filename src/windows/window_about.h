// The About window: the cover of the textbook, the program's title, the
// companion web address with a "Go there" button that opens it, and a notice
// with the version, the terms of passing the program on, a disclaimer and the
// author's address. It closes with "OK", with "Go there" or with a click on
// the window; there is never more than one.
#pragma once

#include <cstdint>

#include "framework/window.h"

namespace ulvarin {

class WindowAbout : public Window {
public:
    static constexpr const char* kClassName = "WindowAbout.WindowAbout";

    // The open About window, built when there is none.
    static WindowAbout& Instance();

    WindowAbout();

    void Layout() override;
    void CreateControls() override;

    // "OK".
    void PushButtonClose_Action();
    // "Go there": closes the window first, then opens the companion page.
    void PushButton1_Action();
    // A press answers true so that its release comes back here and closes
    // the window: the window closes on the release, never on the press.
    bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
    void Event_MouseUp(std::int32_t x, std::int32_t y) override;
};

}  // namespace ulvarin
