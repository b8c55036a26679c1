#include "window_splash.h"

#include <memory>

#include "companion.h"
#include "framework/canvas.h"
#include "framework/runtime.h"
#include "framework/static_text.h"
#include "framework/timer.h"

namespace ulvarin {

WindowSplash& WindowSplash::Instance() { return ImplicitWindow<WindowSplash>(); }

WindowSplash::WindowSplash() : Window(kClassName) {}

void WindowSplash::Layout() {
    WindowProperties properties;
    properties.placement = WindowPlacement::Default;
    properties.width = 327;
    properties.height = 371;
    properties.frame = WindowFrame::ModalDialog;
    properties.hasBackColor = true;
    properties.backColor = Color{255, 255, 255};
    properties.title = "";
    properties.visible = true;
    properties.closeButton = true;
    properties.resizeable = true;
    properties.maximizeButton = true;
    properties.minimizeButton = true;
    SetProperties(properties);
}

// The controls in tab order. The labels and the cover take no clicks of
// their own, so every click on the splash is the window's. The timer starts
// counting as it gets its mode and period, and is hooked only after that.
void WindowSplash::CreateControls() {
    AddLabel(*this, {"LabelTitle", 49, 238, 296, 33, 12, true}, kTitleText);
    AddLabel(*this, {"StaticText2", 70, 272, 210, 16, 10, false}, kCompanionAddress);
    AddLabel(*this, {"StaticText1", 40, 350, 242, 16, 10, false}, kVersionLine);

    auto& timer = AddControl(std::make_unique<Timer>(*this, "Timer1", kNoIndex, "WindowSplash.Timer1"));
    timer.SetMode(Timer::Single);
    timer.SetPeriod(kShowMilliseconds);
    timer.Action = [this] { Timer1_Action(); };

    AddCover(*this, 117, 43);
}

void WindowSplash::Timer1_Action() { Close(); }

bool WindowSplash::Event_MouseDown(std::int32_t, std::int32_t) { return true; }

void WindowSplash::Event_MouseUp(std::int32_t, std::int32_t) { Close(); }

}  // namespace ulvarin
