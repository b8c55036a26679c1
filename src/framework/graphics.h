// The drawing surface of a picture: a fore colour that persists between uses
// and the few operations the program draws with. Every operation is clipped
// to the picture, whatever rectangle it is given.
#pragma once

#include <cstdint>
#include <vector>

#include "color.h"

namespace ulvarin {

class Picture;

class Graphics {
public:
    explicit Graphics(Picture& target) : target_(target) {}
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color) { foreColor_ = color; }

    // Kept for the callers that ask for the older renderer; drawing here is
    // always the same exact, unantialiased pixel filling.
    bool UseOldRenderer() const { return useOldRenderer_; }
    void SetUseOldRenderer(bool use) { useOldRenderer_ = use; }

    // Rectangles are (left, top, width, height); empty or negative sizes draw
    // nothing.
    void FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    // The one-pixel frame just inside the rectangle.
    void DrawRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    // The ellipse inscribed in the rectangle: every pixel whose centre lies inside it.
    void FillOval(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    // Clears to white.
    void ClearRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    // The whole picture at its own size with its top-left corner at (x, y).
    void DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y);

private:
    void Fill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              std::uint32_t pixel);

    Picture& target_;
    Color foreColor_{};
    bool useOldRenderer_ = false;
    // The half-widths of the rows of the last oval size filled, by row from
    // the top of its box; negative where a row has no pixel centre inside.
    // They depend on the size alone, and the pond fills hundreds of ovals of
    // two sizes in every frame.
    std::vector<double> ovalHalfSpans_;
    std::int32_t ovalWidth_ = 0;
    std::int32_t ovalHeight_ = 0;
};

}  // namespace ulvarin
