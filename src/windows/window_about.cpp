#include "window_about.h"

#include <memory>
#include <string>

#include "companion.h"
#include "framework/canvas.h"
#include "framework/desktop.h"
#include "framework/push_button.h"
#include "framework/runtime.h"
#include "framework/static_text.h"

namespace ulvarin {

namespace {

// Six paragraphs: the version, two on passing the program on, the
// disclaimer, the tool, and the invitation to write, whose second line is the
// author's address. A carriage return breaks a line; two leave an empty one.
std::string Notice() {
    return std::string(kVersionLine) +
           "\r\r"
           "Ulvarin is free for teaching and learning. You may copy it and give it to "
           "students, teachers and anyone else who wants it, as long as you ask nothing for it."
           "\r\r"
           "Pass it on only whole and unchanged, with this notice, and never for money."
           "\r\r"
           "Ulvarin comes with no warranty of any kind, neither for its quality nor for the "
           "accuracy of its simulations. You use it at your own risk."
           "\r\r"
           "Ulvarin is written in C++ with Qt."
           "\r\r"
           "Comments and suggestions are always welcome. Please write to\r"
           "dravek@example.org";
}

PushButton& AddButton(Window& window, const char* name, std::int32_t left, std::int32_t top,
                      std::int32_t width, std::int32_t height, const char* caption, int textSize) {
    auto& button = window.AddControl(std::make_unique<PushButton>(window, name));
    button.SetBounds(left, top, width, height);
    button.SetTextSize(textSize);
    button.SetCaption(caption);
    return button;
}

}  // namespace

WindowAbout& WindowAbout::Instance() { return ImplicitWindow<WindowAbout>(); }

WindowAbout::WindowAbout() : Window(kClassName) {}

void WindowAbout::Layout() {
    WindowProperties properties;
    properties.placement = WindowPlacement::CentredOnMainScreen;
    properties.width = 441;
    properties.height = 535;
    properties.frame = WindowFrame::ModalDialog;
    properties.hasBackColor = true;
    properties.backColor = Color{255, 255, 255};
    properties.title = "About Ulvarin";
    properties.visible = true;
    properties.closeButton = false;
    properties.resizeable = false;
    properties.maximizeButton = false;
    properties.minimizeButton = false;
    SetProperties(properties);
}

// The controls in tab order, each hooked only once it has its opening values.
// Neither button is the default or the cancel button, and neither takes the
// keyboard focus, so no key presses them: the window has nothing to type in,
// and a focused button would look like a default that Return does not press.
void WindowAbout::CreateControls() {
    AddLabel(*this, {"StaticText1", 32, 318, 386, 203, 10, true}, Notice());
    AddLabel(*this, {"LabelTitle", 97, 217, 253, 33, 12, true}, kTitleText);
    AddLabel(*this, {"LabelWebAddress", 97, 258, 210, 16, 10, false}, kCompanionAddress);
    AddButton(*this, "PushButtonClose", 361, 491, 60, 20, "OK", 12).Action = [this] {
        PushButtonClose_Action();
    };
    AddCover(*this, 163, 23);
    AddButton(*this, "PushButton1", 273, 256, 58, 18, "Go there", 10).Action = [this] {
        PushButton1_Action();
    };
}

void WindowAbout::PushButtonClose_Action() { Close(); }

// The page opens in the browser, so the About window must not stay behind it:
// it is closed before the desktop is asked.
void WindowAbout::PushButton1_Action() {
    WindowAbout::Instance().Close();
    ShowURL(kCompanionAddress);
}

bool WindowAbout::Event_MouseDown(std::int32_t, std::int32_t) { return true; }

void WindowAbout::Event_MouseUp(std::int32_t, std::int32_t) { Close(); }

}  // namespace ulvarin
