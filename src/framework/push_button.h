// Buttons with a text caption: PushButton, and BevelButton, which never takes
// the keyboard focus.
#pragma once

#include <functional>
#include <string>

#include "rect_control.h"

class QPushButton;

namespace ulvarin {

class PushButton : public RectControl {
public:
    PushButton(Window& owner, std::string name, std::int32_t index = kNoIndex,
               std::string className = "PushButton");

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetTextSize(int size);
    void SetAcceptFocus(bool accept);

    // Simulates a click, as a user's click would raise Action.
    void Push();

    // Action: a click on the enabled button.
    std::function<void()> Action;

private:
    QPushButton* button_;
};

class BevelButton : public PushButton {
public:
    BevelButton(Window& owner, std::string name, std::int32_t index = kNoIndex,
                std::string className = "BevelButton");
};

}  // namespace ulvarin
