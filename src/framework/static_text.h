// A label. Its text may hold carriage returns (Chr(13)), each a line break;
// a multiline label also wraps long lines at its width.
#pragma once

#include <string>

#include "color.h"
#include "rect_control.h"

class QLabel;

namespace ulvarin {

enum class TextAlign { Left = 0, Center = 1, Right = 2 };

class StaticText : public RectControl {
public:
    StaticText(Window& owner, std::string name, std::int32_t index = kNoIndex,
               std::string className = "StaticText");

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    TextAlign Alignment() const { return align_; }
    void SetAlignment(TextAlign align);
    bool Multiline() const { return multiline_; }
    void SetMultiline(bool multiline);
    int TextSize() const { return textSize_; }
    void SetTextSize(int size);
    void SetTextColor(Color color);

private:
    void Show();

    QLabel* label_;
    std::string text_;
    TextAlign align_ = TextAlign::Left;
    bool multiline_ = false;
    int textSize_ = 12;
};

}  // namespace ulvarin
