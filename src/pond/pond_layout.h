// The main window's layout as data: every control in creation (and tab)
// order with its opening values, and the control events the window handles.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "framework/control.h"
#include "framework/static_text.h"

namespace ulvarin {

enum class ControlKind { Canvas, StaticText, EditField, BevelButton, Timer };

struct ControlRow {
    ControlKind kind;
    std::string_view className;
    std::string_view name;
    std::int32_t index;  // kNoIndex outside the control arrays
    std::int32_t left, top, width, height;
    std::string_view text;  // caption or opening text
    int textSize;
    TextAlign align;
    bool multiline;
    bool enabled;
};

// The 68 controls; position 8 is the animation timer, which has no place on
// screen and no tab index.
std::span<const ControlRow> PondControls();

// The animation timer's opening mode and period (the window's Open event
// speeds it up).
inline constexpr std::int32_t kEggTimerOpeningMode = 2;
inline constexpr std::int32_t kEggTimerOpeningPeriod = 110;

}  // namespace ulvarin
