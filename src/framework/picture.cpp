#include "picture.h"

namespace ulvarin {

namespace {
constexpr std::int32_t kLargestSide = 16384;
}  // namespace

Picture::Picture(std::int32_t width, std::int32_t height, std::int32_t depth, std::uint32_t fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      depth_(depth),
      pixels_(std::size_t(width_) * std::size_t(height_), fill),
      opaque_((fill >> 24) == 0xFF),
      graphics_(*this) {}

std::uint32_t Picture::Pixel(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Row(y)[x];
}

std::shared_ptr<Picture> NewPicture(std::int32_t width, std::int32_t height, std::int32_t depth) {
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return nullptr;
    return std::make_shared<Picture>(width, height, depth);
}

}  // namespace ulvarin
