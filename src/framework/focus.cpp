#include "focus.h"

#include <QApplication>
#include <QWidget>

namespace ulvarin {

void ClearFocus() {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (QWidget* focused = window->focusWidget()) focused->clearFocus();
    }
}

}  // namespace ulvarin
