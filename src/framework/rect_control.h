// A visible control: a rectangle on its window's content area.
#pragma once

#include <cstdint>

#include "control.h"
#include "extent.h"

class QWidget;

namespace ulvarin {

class RectControl : public Control, public Extent {
public:
    RectControl(Window& owner, std::string name, std::int32_t index, std::string className);

    std::int32_t Left() const;
    std::int32_t Top() const;
    std::int32_t Width() const override;
    std::int32_t Height() const override;
    void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    virtual bool Visible() const;
    virtual void SetVisible(bool visible);

    // Whether the control can take the keyboard focus (and so has a place in
    // the Tab order).
    bool TakesFocus() const;
    bool HasFocus() const;

    // Repaints the control at the next chance.
    void Refresh();

    QWidget* Widget() const { return widget_; }

protected:
    // Each kind of control makes its widget as a child of the window's
    // content area and hands it over here once.
    void Adopt(QWidget* widget);

private:
    QWidget* widget_ = nullptr;
};

}  // namespace ulvarin
