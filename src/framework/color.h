// A colour as the drawing code uses it, and CMY, the way the program names
// its colours (cyan, magenta, yellow; CMY(0, 0, 0) is white).
#pragma once

#include <cstdint>

namespace ulvarin {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Color&, const Color&) = default;

    // The opaque pixel value 0xAARRGGBB that pictures store.
    std::uint32_t Pixel() const {
        return 0xFF000000u | (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
    }
};

// RGB 255*(1-c), 255*(1-m), 255*(1-y), each component first clamped to 0..1
// (NaN counts as 0), so CMY(100, 100, 100) is black and CMY(0, 0, 0) white.
Color CMY(double cyan, double magenta, double yellow);

}  // namespace ulvarin
