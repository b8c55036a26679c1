// An off-screen picture: a block of pixels with one drawing surface.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics.h"

namespace ulvarin {

class Picture {
public:
    // A new picture is opaque white. `depth` is remembered for the callers
    // that ask; pixels are always stored as 32-bit premultiplied ARGB
    // (0xAARRGGBB), which holds every colour exactly and copies fastest.
    // `fill` is the starting pixel: white, or 0 for a fully transparent surface.
    Picture(std::int32_t width, std::int32_t height, std::int32_t depth,
            std::uint32_t fill = 0xFFFFFFFFu);
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    std::int32_t Depth() const { return depth_; }

    // The picture's one drawing surface: the same object at every call, so a
    // fore colour set through one access holds for the next.
    ulvarin::Graphics& Graphics() { return graphics_; }

    std::uint32_t* Row(std::int32_t y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const std::uint32_t* Row(std::int32_t y) const {
        return pixels_.data() + std::size_t(y) * std::size_t(width_);
    }
    std::uint32_t* Bits() { return pixels_.data(); }
    const std::uint32_t* Bits() const { return pixels_.data(); }
    // 0 outside the picture.
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const;

    // True when every pixel is known to be fully opaque, which lets drawing
    // copy rows directly instead of blending them.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool opaque) { opaque_ = opaque; }

private:
    std::int32_t width_;
    std::int32_t height_;
    std::int32_t depth_;
    std::vector<std::uint32_t> pixels_;
    bool opaque_ = true;
    ulvarin::Graphics graphics_;
};

// NewPicture: a new off-screen picture, or nil when the size is not positive
// or too large to make.
std::shared_ptr<Picture> NewPicture(std::int32_t width, std::int32_t height, std::int32_t depth);

}  // namespace ulvarin
