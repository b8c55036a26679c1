// The life-cycle figure in the middle of the window: a click hides it, the
// next shows it again.
#include "window_pond.h"

namespace ulvarin {

bool WindowPond::CanFigure_MouseDown(std::int32_t, std::int32_t) { return true; }

void WindowPond::CanFigure_MouseUp(std::int32_t, std::int32_t) {
    Canvas& figure = Find<Canvas>("CanFigure");
    figure.SetVisible(!figure.Visible());
}

}  // namespace ulvarin
