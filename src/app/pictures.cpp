#include "pictures.h"

#include "framework/resource_fork.h"

namespace ulvarin {

namespace {

struct PictureCache {
    std::shared_ptr<Picture> cover;
    std::shared_ptr<Picture> cycle;
};

PictureCache& Cache() {
    static PictureCache cache;
    return cache;
}

std::shared_ptr<Picture> Kept(std::shared_ptr<Picture>& kept, std::int32_t number) {
    if (!kept) kept = GetResourcePicture(number);
    return kept;
}

}  // namespace

std::shared_ptr<Picture> VelmaricCover() { return Kept(Cache().cover, kVelmaricCoverPicture); }
std::shared_ptr<Picture> UrchinCycle() { return Kept(Cache().cycle, kUrchinCyclePicture); }

void ReleasePictures() {
    Cache().cover.reset();
    Cache().cycle.reset();
}

}  // namespace ulvarin
