#include "graphics.h"

#include <algorithm>
#include <cmath>

#include "picture.h"

namespace ulvarin {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// The part of [start, start + length) that lies within [0, limit), in 64 bits
// so that no rectangle can overflow.
struct Span {
    std::int32_t first = 0;
    std::int32_t end = 0;
    bool Empty() const { return end <= first; }
};

Span Clip(std::int32_t start, std::int32_t length, std::int32_t limit) {
    const std::int64_t first = std::max<std::int64_t>(start, 0);
    const std::int64_t end = std::min<std::int64_t>(std::int64_t{start} + length, limit);
    if (end <= first) return {};
    return {static_cast<std::int32_t>(first), static_cast<std::int32_t>(end)};
}

// Source-over blending of one premultiplied ARGB pixel onto another.
std::uint32_t Blend(std::uint32_t source, std::uint32_t destination) {
    const std::uint32_t alpha = source >> 24;
    if (alpha == 0xFF) return source;
    if (alpha == 0) return destination;
    const std::uint32_t keep = 255 - alpha;
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t s = (source >> shift) & 0xFF;
        const std::uint32_t d = (destination >> shift) & 0xFF;
        const std::uint32_t c = s + (d * keep + 127) / 255;
        result |= std::min<std::uint32_t>(c, 255) << shift;
    }
    return result;
}

// Ovals up to this many rows keep their row half-widths between calls.
constexpr std::int32_t kLargestRememberedOval = 256;

// The half-width, at the row's centre, of row k (0 at the top of the box) of
// the ellipse with the given radii; negative when the row's centre lies
// outside it. Every term is a multiple of one half well within a double's
// precision, so the result is the same wherever the box stands.
double OvalHalfSpan(std::int64_t k, double radiusX, double radiusY) {
    const double dy = (static_cast<double>(k) + 0.5 - radiusY) / radiusY;
    const double reach = 1.0 - dy * dy;
    if (reach <= 0.0) return -1.0;
    return radiusX * std::sqrt(reach);
}

// std::ceil and std::floor for the magnitudes a column can have (well
// below 2^62), done in integers, which is several times quicker.
std::int64_t Ceil(double x) {
    const auto truncated = static_cast<std::int64_t>(x);
    return static_cast<double>(truncated) < x ? truncated + 1 : truncated;
}

std::int64_t Floor(double x) {
    const auto truncated = static_cast<std::int64_t>(x);
    return static_cast<double>(truncated) > x ? truncated - 1 : truncated;
}

}  // namespace

void Graphics::Fill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    std::uint32_t pixel) {
    const Span columns = Clip(x, width, target_.Width());
    const Span rows = Clip(y, height, target_.Height());
    if (columns.Empty() || rows.Empty()) return;
    // The first row is filled pixel by pixel and copied into the others,
    // which is much quicker for wide rectangles.
    std::uint32_t* first = target_.Row(rows.first) + columns.first;
    const std::int32_t count = columns.end - columns.first;
    std::fill(first, first + count, pixel);
    for (std::int32_t row = rows.first + 1; row < rows.end; ++row) {
        std::copy(first, first + count, target_.Row(row) + columns.first);
    }
}

void Graphics::FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    Fill(x, y, width, height, foreColor_.Pixel());
}

void Graphics::ClearRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    Fill(x, y, width, height, kWhite);
}

void Graphics::DrawRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return;
    const std::uint32_t pixel = foreColor_.Pixel();
    const std::int64_t right = std::int64_t{x} + width - 1;
    const std::int64_t bottom = std::int64_t{y} + height - 1;
    Fill(x, y, width, 1, pixel);
    if (bottom > y) Fill(x, static_cast<std::int32_t>(bottom), width, 1, pixel);
    Fill(x, y, 1, height, pixel);
    if (right > x) Fill(static_cast<std::int32_t>(right), y, 1, height, pixel);
}

void Graphics::FillOval(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return;
    const Span rows = Clip(y, height, target_.Height());
    if (rows.Empty()) return;
    const std::uint32_t pixel = foreColor_.Pixel();
    const double radiusX = width / 2.0;
    const double radiusY = height / 2.0;
    const double centreX = x + radiusX;
    const bool remembered = height <= kLargestRememberedOval;
    if (remembered && (width != ovalWidth_ || height != ovalHeight_)) {
        ovalHalfSpans_.resize(static_cast<std::size_t>(height));
        for (std::int32_t k = 0; k < height; ++k) {
            ovalHalfSpans_[static_cast<std::size_t>(k)] = OvalHalfSpan(k, radiusX, radiusY);
        }
        ovalWidth_ = width;
        ovalHeight_ = height;
    }
    for (std::int32_t row = rows.first; row < rows.end; ++row) {
        const std::int64_t k = std::int64_t{row} - y;
        const double halfSpan = remembered ? ovalHalfSpans_[static_cast<std::size_t>(k)]
                                           : OvalHalfSpan(k, radiusX, radiusY);
        if (halfSpan < 0.0) continue;
        // Pixel i is inside when its centre i + 0.5 lies within the span.
        // Columns are clipped in 64 bits: far outside the picture they need
        // not fit in 32.
        const std::int64_t left = std::max<std::int64_t>(Ceil(centreX - halfSpan - 0.5), 0);
        const std::int64_t right = std::min<std::int64_t>(Floor(centreX + halfSpan - 0.5), target_.Width() - 1);
        if (right < left) continue;
        std::uint32_t* line = target_.Row(row);
        std::fill(line + left, line + right + 1, pixel);
    }
}

void Graphics::DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y) {
    const Span columns = Clip(x, picture.Width(), target_.Width());
    const Span rows = Clip(y, picture.Height(), target_.Height());
    if (columns.Empty() || rows.Empty()) return;
    const std::int32_t count = columns.end - columns.first;
    for (std::int32_t row = rows.first; row < rows.end; ++row) {
        const std::uint32_t* source = picture.Row(row - y) + (columns.first - x);
        std::uint32_t* destination = target_.Row(row) + columns.first;
        if (picture.Opaque()) {
            std::copy(source, source + count, destination);
        } else {
            for (std::int32_t i = 0; i < count; ++i) destination[i] = Blend(source[i], destination[i]);
        }
    }
}

}  // namespace ulvarin
