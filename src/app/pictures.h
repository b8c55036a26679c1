// The two pictures the program carries: the cover of the textbook it
// accompanies and the sea-urchin life-cycle figure. Each is loaded on first
// use and kept; a picture the program does not hold gives nil and is asked
// for again at the next call.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/picture.h"

namespace ulvarin {

inline constexpr std::int32_t kVelmaricCoverPicture = 168;
inline constexpr std::int32_t kUrchinCyclePicture = 169;

// One picture of the program's own, by number, loaded once and kept.
class KeptPicture {
public:
    explicit KeptPicture(std::int32_t number) : number_(number) {}
    std::shared_ptr<Picture> Get();
    void Release() { kept_.reset(); }

private:
    std::int32_t number_;
    std::shared_ptr<Picture> kept_;
};

std::shared_ptr<Picture> VelmaricCover();
std::shared_ptr<Picture> UrchinCycle();

// Drops the kept pictures (at shut-down): the cover first, then the figure.
void ReleasePictures();

}  // namespace ulvarin
