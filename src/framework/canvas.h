// A drawing area: shows its backdrop picture, then what was drawn through its
// Graphics, and reports clicks and paint requests.
#pragma once

#include <functional>
#include <memory>

#include "picture.h"
#include "rect_control.h"

namespace ulvarin {

class CanvasWidget;

class Canvas : public RectControl {
public:
    Canvas(Window& owner, std::string name, std::int32_t index = kNoIndex,
           std::string className = "Canvas");

    // The picture the canvas shows behind everything else, drawn at the
    // canvas's size; nil shows none.
    const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }
    void SetBackdrop(std::shared_ptr<Picture> picture);

    // The canvas's own drawing surface, as large as the canvas, transparent
    // until drawn on. What is drawn shows at the next repaint.
    ulvarin::Graphics& Graphics();
    const Picture* Surface() const { return surface_.get(); }

    // A hidden canvas draws nothing but still takes the clicks at its place,
    // so a picture hidden by a click can be shown again by another.
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override;

    // MouseDown: the point of the press in the canvas; answering true asks for
    // the MouseUp that ends the same click.
    std::function<bool(std::int32_t x, std::int32_t y)> MouseDown;
    std::function<void(std::int32_t x, std::int32_t y)> MouseUp;
    // Paint: the canvas must be redrawn; the handler draws on the surface it
    // is given, which is then shown.
    std::function<void(ulvarin::Graphics& g)> Paint;

private:
    friend class CanvasWidget;
    Picture& EnsureSurface();

    CanvasWidget* canvas_;
    std::shared_ptr<Picture> backdrop_;
    std::unique_ptr<Picture> surface_;
    bool visible_ = true;
};

}  // namespace ulvarin
