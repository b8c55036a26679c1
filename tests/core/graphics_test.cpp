// Pixels: the drawing operations clip, and histograms put their bars exactly
// where a student reads them.
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "framework/picture.h"
#include "simulation/histogram.h"

namespace ulvarin {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();

int CountPixels(const Picture& picture, std::uint32_t pixel) {
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) count += picture.Pixel(x, y) == pixel;
    return count;
}

TEST(Graphics, OperationsClipToThePicture) {
    Picture picture(10, 8, 32);
    Graphics& g = picture.Graphics();
    g.SetForeColor(Color{255, 0, 0});
    EXPECT_EQ(&picture.Graphics(), &g);
    EXPECT_EQ(picture.Graphics().ForeColor(), (Color{255, 0, 0})) << "the fore colour persists";
    g.FillRect(-5, -5, 7, 7);
    EXPECT_EQ(CountPixels(picture, 0xFFFF0000u), 4);
    g.FillRect(kMax - 1, kMax - 1, kMax, kMax);
    g.FillRect(kMin, kMin, kMax, kMax);
    g.FillRect(3, 3, -4, kMin);
    g.DrawRect(kMin, 2, kMax, 3);
    g.FillOval(kMax - 3, 0, kMax, 100);
    g.ClearRect(0, 0, 1, 1);
    EXPECT_EQ(picture.Pixel(0, 0), kWhite);
    EXPECT_EQ(picture.Pixel(-1, 0), 0u);
}

TEST(Graphics, OvalsFillThePixelsWhoseCentresLieInside) {
    Picture picture(20, 20, 32);
    picture.Graphics().SetForeColor(Color{0, 0, 0});
    picture.Graphics().FillOval(2, 3, 12, 12);
    EXPECT_EQ(picture.Pixel(8, 9), kBlack);   // centre
    EXPECT_EQ(picture.Pixel(2, 3), kWhite);   // corner of the box
    EXPECT_EQ(picture.Pixel(2, 9), kBlack);   // left end of the middle row
    EXPECT_EQ(picture.Pixel(14, 9), kWhite);  // just right of the box
    const int area = CountPixels(picture, kBlack);
    EXPECT_NEAR(area, 113, 8);  // pi * 6 * 6

    Picture small(4, 4, 32);
    small.Graphics().SetForeColor(Color{0, 0, 0});
    small.Graphics().FillOval(0, 0, 4, 4);
    EXPECT_EQ(CountPixels(small, kBlack), 12);
}

// The rule in exact integers: pixel (i, j) belongs to the oval in the box
// (x, y, w, h) when its centre lies strictly between the ellipse's top and
// bottom and, across, within the ellipse or on its edge. u and v are twice
// the centre's distances from the middle of the box.
bool InOval(std::int64_t i, std::int64_t j, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    const std::int64_t u = 2 * (i - x) + 1 - w;
    const std::int64_t v = 2 * (j - y) + 1 - h;
    return v * v < h * h && u * u * h * h <= w * w * (h * h - v * v);
}

void ExpectOval(Picture& picture, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    picture.Graphics().ClearRect(0, 0, picture.Width(), picture.Height());
    picture.Graphics().FillOval(x, y, w, h);
    int wrong = 0;
    for (int j = 0; j < picture.Height(); ++j) {
        for (int i = 0; i < picture.Width(); ++i) wrong += (picture.Pixel(i, j) == kBlack) != InOval(i, j, x, y, w, h);
    }
    EXPECT_EQ(wrong, 0) << "oval at " << x << ", " << y << " of " << w << " x " << h;
}

TEST(Graphics, OvalsAreExactAtEverySizeAndPlace) {
    Picture picture(40, 36, 32);
    picture.Graphics().SetForeColor(Color{0, 0, 0});
    // The size changes at every other call; each size is drawn again at a
    // second place, partly outside the picture.
    for (std::int32_t w = 1; w <= 24; ++w) {
        for (std::int32_t h = 1; h <= 24; ++h) {
            ExpectOval(picture, 3, 4, w, h);
            ExpectOval(picture, 40 - w / 2, -h / 3, w, h);
        }
    }
    // Taller than any size kept between calls, much wider than the picture,
    // then small again, and far to either side.
    ExpectOval(picture, -100000, -130, 200040, 300);
    ExpectOval(picture, 2, -5, 12, 12);
    ExpectOval(picture, 1000000, 5, 12, 12);
    ExpectOval(picture, -1000000, 5, 2000030, 12);
}

TEST(Graphics, DrawPictureCopiesAndBlends) {
    Picture frame(4, 3, 16);
    frame.Graphics().SetForeColor(Color{0, 0, 0});
    frame.Graphics().FillRect(0, 0, 4, 3);
    Picture surface(6, 6, 32, 0u);
    surface.Graphics().DrawPicture(frame, 4, 4);
    EXPECT_EQ(surface.Pixel(4, 4), kBlack);
    EXPECT_EQ(surface.Pixel(3, 3), 0u);
    EXPECT_EQ(CountPixels(surface, kBlack), 4);

    Picture half(1, 1, 32, 0x80000000u);  // premultiplied black, half covered
    Picture white(1, 1, 32);
    white.Graphics().DrawPicture(half, 0, 0);
    EXPECT_EQ(white.Pixel(0, 0), 0xFF7F7F7Fu);
}

std::array<std::int32_t, 4> Counts(std::int32_t aa, std::int32_t ab, std::int32_t bb) {
    return {0, aa, ab, bb};
}

TEST(Histogram, BarsStandOnePixelAboveTheBottomRow) {
    Picture picture(121, 120, 8);
    const Color bar{153, 255, 153};
    DrawHistogramBars(picture, 121, 120, Counts(25, 50, 25), bar);
    // FillRect(0, 94, 40, 25), FillRect(40, 69, 40, 50), FillRect(80, 94, 40, 25)
    EXPECT_EQ(picture.Pixel(0, 94), kBlack) << "outline";
    EXPECT_EQ(picture.Pixel(39, 118), kBlack);
    EXPECT_EQ(picture.Pixel(20, 100), bar.Pixel());
    EXPECT_EQ(picture.Pixel(20, 93), kWhite);
    EXPECT_EQ(picture.Pixel(20, 119), kWhite) << "the bottom row lies outside every bar";
    EXPECT_EQ(picture.Pixel(40, 69), kBlack);
    EXPECT_EQ(picture.Pixel(60, 80), bar.Pixel());
    EXPECT_EQ(picture.Pixel(60, 68), kWhite);
    EXPECT_EQ(picture.Pixel(119, 94), kBlack);
    EXPECT_EQ(picture.Pixel(120, 100), kWhite) << "the rightmost column too";
}

TEST(Histogram, ExtremeCountsClipAndANewCallReplacesTheOld) {
    Picture picture(121, 120, 8);
    DrawHistogramBars(picture, 121, 120, Counts(119, 120, kMax), Color{255, 255, 255});
    EXPECT_EQ(picture.Pixel(20, 0), kBlack) << "119 reaches the top row with its outline";
    EXPECT_EQ(picture.Pixel(60, 0), kWhite) << "taller bars lose their top outline";
    EXPECT_EQ(picture.Pixel(100, 0), kWhite);
    EXPECT_EQ(picture.Pixel(100, 118), kBlack);

    DrawHistogramBars(picture, 121, 120, Counts(-5, kMin, 0), Color{0, 0, 255});
    EXPECT_EQ(CountPixels(picture, kWhite), 121 * 120) << "negative and empty counts draw nothing";

    DrawHistogramBars(picture, 121, 120, std::array<std::int32_t, 1>{0}, Color{0, 0, 255});
    EXPECT_EQ(CountPixels(picture, kWhite), 121 * 120);
}

}  // namespace
}  // namespace ulvarin
