#pragma once

namespace ulvarin {

// No control of any window keeps the keyboard focus.
void ClearFocus();

}  // namespace ulvarin
