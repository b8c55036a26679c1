// Pictures compiled into the program, found by number.
#pragma once

#include <cstdint>
#include <memory>

#include "picture.h"

namespace ulvarin {

// The picture of that number, or nil when the program holds none.
std::shared_ptr<Picture> GetResourcePicture(std::int32_t number);

}  // namespace ulvarin
