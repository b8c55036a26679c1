#pragma once

#include <cstdint>

namespace ulvarin {

// Anything with a width and a height in pixels: what a gamete needs to know
// of the canvas it swims in.
class Extent {
public:
    virtual ~Extent() = default;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;
};

// A fixed size, for pictures and tests.
class FixedExtent : public Extent {
public:
    FixedExtent(std::int32_t width, std::int32_t height) : width_(width), height_(height) {}
    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }

private:
    std::int32_t width_;
    std::int32_t height_;
};

}  // namespace ulvarin
