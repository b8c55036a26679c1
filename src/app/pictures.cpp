#include "pictures.h"

#include "framework/resource_fork.h"

namespace ulvarin {

namespace {

KeptPicture& Cover() {
    static KeptPicture cover(kVelmaricCoverPicture);
    return cover;
}

KeptPicture& Cycle() {
    static KeptPicture cycle(kUrchinCyclePicture);
    return cycle;
}

}  // namespace

std::shared_ptr<Picture> KeptPicture::Get() {
    if (!kept_) kept_ = GetResourcePicture(number_);
    return kept_;
}

std::shared_ptr<Picture> VelmaricCover() { return Cover().Get(); }
std::shared_ptr<Picture> UrchinCycle() { return Cycle().Get(); }

void ReleasePictures() {
    Cover().Release();
    Cycle().Release();
}

}  // namespace ulvarin
