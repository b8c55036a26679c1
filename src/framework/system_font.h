#pragma once

#include <QFont>

namespace ulvarin {

// The font the layouts call "System" at a size given in points of a
// 72-dots-per-inch screen, that is in pixels: the layouts were measured that
// way, and a 10-point label must fit its 20-pixel box on any screen.
QFont SystemFont(int size);

}  // namespace ulvarin
