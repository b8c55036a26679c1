#include "histogram.h"

#include "framework/numbers.h"

namespace ulvarin {

void DrawHistogramBars(Picture& picture, std::int32_t canvasWidth, std::int32_t canvasHeight,
                       std::span<const std::int32_t> counts, Color barColor) {
    Graphics& g = picture.Graphics();
    const std::int32_t upperBound = counts.empty() ? 0 : static_cast<std::int32_t>(counts.size() - 1);
    g.ClearRect(0, 0, canvasWidth, canvasHeight);
    if (upperBound == 0) return;
    const double barWidth =
        static_cast<double>(SaturatingAdd(canvasWidth, -1)) / static_cast<double>(upperBound);
    const std::int32_t width = ToInt32(Round(barWidth));
    for (std::int32_t i = 1; i <= upperBound; ++i) {
        const std::int32_t left = ToInt32(Round(barWidth * (i - 1)));
        const std::int32_t height = counts[static_cast<std::size_t>(i)];
        // The bar's last row is one above the bottom row of the canvas.
        const std::int32_t top = SaturatingSubtract(SaturatingSubtract(canvasHeight, height), 1);
        g.SetForeColor(barColor);
        g.FillRect(left, top, width, height);
        g.SetForeColor(CMY(100.0, 100.0, 100.0));
        g.DrawRect(left, top, width, height);
    }
}

}  // namespace ulvarin
