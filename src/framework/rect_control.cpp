#include "rect_control.h"

#include <QWidget>

namespace ulvarin {

RectControl::RectControl(Window& owner, std::string name, std::int32_t index, std::string className)
    : Control(owner, std::move(name), index, std::move(className)) {}

void RectControl::Adopt(QWidget* widget) {
    widget_ = widget;
    widget_->show();
}

std::int32_t RectControl::Left() const { return widget_->x(); }
std::int32_t RectControl::Top() const { return widget_->y(); }
std::int32_t RectControl::Width() const { return widget_->width(); }
std::int32_t RectControl::Height() const { return widget_->height(); }

void RectControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height) {
    widget_->setGeometry(left, top, width, height);
}

bool RectControl::Enabled() const { return widget_->isEnabled(); }
void RectControl::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

bool RectControl::Visible() const { return !widget_->isHidden(); }
void RectControl::SetVisible(bool visible) { widget_->setVisible(visible); }

bool RectControl::TakesFocus() const { return widget_->focusPolicy() != Qt::NoFocus; }
// The window's focus widget, not the application's: the answer holds whether
// or not the window is the active one.
bool RectControl::HasFocus() const { return widget_->window()->focusWidget() == widget_; }

void RectControl::Refresh() { widget_->update(); }

}  // namespace ulvarin
