#include "color.h"

#include <cmath>

namespace ulvarin {

namespace {

std::uint8_t Component(double ink) {
    if (std::isnan(ink) || ink < 0.0) ink = 0.0;
    if (ink > 1.0) ink = 1.0;
    return static_cast<std::uint8_t>(std::lround(255.0 * (1.0 - ink)));
}

}  // namespace

Color CMY(double cyan, double magenta, double yellow) {
    return Color{Component(cyan), Component(magenta), Component(yellow)};
}

}  // namespace ulvarin
