// What the splash and About windows have in common: the texts both show, and
// the way both place their labels and the cover of the textbook.
#pragma once

#include <cstdint>
#include <string>

namespace ulvarin {

class Canvas;
class StaticText;
class Window;

// The textbook's companion web page: shown on both windows and opened by the
// About window's "Go there". The host lies in a domain kept for examples.
inline constexpr const char* kCompanionAddress = "http://ulvarin.example.org/ostrel";

// The program's name over the line naming the textbook.
inline constexpr const char* kTitleText = "Ulvarin\rSoftware for Velmaric";

// The splash window's foot line and the first paragraph of the About notice.
inline constexpr const char* kVersionLine = "Ulvarin 1.0.1  \u00B7  Copyright \u00A9 2026 Dravek";

// One label of a splash or About layout; positions in pixels from the
// window's top-left corner.
struct LabelPlace {
    const char* name;
    std::int32_t left, top, width, height;
    int textSize;
    bool multiline;
};

// Creates the label, registers it under its name and gives it its place,
// text size, line mode and text, in that order.
StaticText& AddLabel(Window& window, const LabelPlace& place, const std::string& text);

// Creates the 158 x 204 canvas "Canvas1" at (left, top) showing the cover;
// the backdrop is set before the canvas gets its place.
Canvas& AddCover(Window& window, std::int32_t left, std::int32_t top);

}  // namespace ulvarin
