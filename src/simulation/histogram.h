// Genotype histograms: one bar per genotype, one pixel of height per
// individual, drawn into a picture.
#pragma once

#include <cstdint>
#include <span>

#include "framework/color.h"
#include "framework/picture.h"

namespace ulvarin {

// Clears `picture` and draws counts[1..] as bars of `barColor`, each framed
// in the outline colour, across a canvas of `canvasWidth` x `canvasHeight`.
// Counts above the height are cut off at the top, negative counts draw
// nothing: all drawing is clipped to the picture.
void DrawHistogramBars(Picture& picture, std::int32_t canvasWidth, std::int32_t canvasHeight,
                       std::span<const std::int32_t> counts, Color barColor);

}  // namespace ulvarin
