// The two pictures the program carries: the cover of the textbook it
// accompanies and the sea-urchin life-cycle figure. Each is loaded on first
// use and kept; a picture the program does not hold gives nil and is asked
// for again at the next call.
#pragma once

#include <memory>

#include "framework/picture.h"

namespace ulvarin {

inline constexpr std::int32_t kVelmaricCoverPicture = 168;
inline constexpr std::int32_t kUrchinCyclePicture = 169;

std::shared_ptr<Picture> VelmaricCover();
std::shared_ptr<Picture> UrchinCycle();

// Drops the kept pictures (at shut-down): the cover first, then the figure.
void ReleasePictures();

}  // namespace ulvarin
