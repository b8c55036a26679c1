#include "focus.h"

#include "runtime.h"
#include "window.h"

namespace ulvarin {

void ClearFocus() {
    for (Window* window : AllWindows()) window->ClearControlFocus();
}

}  // namespace ulvarin
