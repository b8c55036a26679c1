// A single-line text field.
#pragma once

#include <functional>
#include <string>

#include "rect_control.h"

namespace ulvarin {

class KeyedLineEdit;

class EditField : public RectControl {
public:
    EditField(Window& owner, std::string name, std::int32_t index = kNoIndex,
              std::string className = "EditField");

    std::string Text() const;
    // Raises TextChange when the text really changes.
    void SetText(const std::string& text);
    void SetTextSize(int size);

    // Gives the field the keyboard focus.
    void SetFocus();

    // KeyDown: the key as a one-character text before the field sees it
    // (Return is Chr(13), keypad Enter Chr(3), Backspace Chr(8), Escape
    // Chr(27), the arrows Chr(28) to Chr(31), Delete Chr(127)); answering
    // true keeps the key from the field.
    std::function<bool(const std::string& key)> KeyDown;
    // TextChange: after every change of the text, typed or set.
    std::function<void()> TextChange;

private:
    KeyedLineEdit* edit_;
};

}  // namespace ulvarin
