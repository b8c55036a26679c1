#include "canvas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "window.h"

namespace ulvarin {

namespace {

// A view of a picture's pixels for QPainter, without copying them.
QImage ImageOf(const Picture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.Bits()), picture.Width(), picture.Height(),
                  picture.Width() * 4, QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

class CanvasWidget : public QWidget {
public:
    CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!canvas_.visible_) return;
        if (canvas_.Paint) {
            canvas_.Owner().Dispatch([this] { canvas_.Paint(canvas_.EnsureSurface().Graphics()); });
        }
        QPainter painter(this);
        if (const auto& backdrop = canvas_.backdrop_) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), ImageOf(*backdrop));
        }
        if (canvas_.surface_) painter.drawImage(0, 0, ImageOf(*canvas_.surface_));
    }

    void mousePressEvent(QMouseEvent* event) override {
        tracking_ = false;
        if (!canvas_.MouseDown) {
            event->ignore();  // the window underneath gets the click
            return;
        }
        const QPoint at = event->position().toPoint();
        tracking_ = canvas_.Owner().Dispatch(false, [&] { return canvas_.MouseDown(at.x(), at.y()); });
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!tracking_) {
            event->ignore();
            return;
        }
        tracking_ = false;
        if (!canvas_.MouseUp) return;
        const QPoint at = event->position().toPoint();
        canvas_.Owner().Dispatch([&] { canvas_.MouseUp(at.x(), at.y()); });
    }

private:
    Canvas& canvas_;
    bool tracking_ = false;
};

Canvas::Canvas(Window& owner, std::string name, std::int32_t index, std::string className)
    : RectControl(owner, std::move(name), index, std::move(className)),
      canvas_(new CanvasWidget(*this, owner.Content())) {
    Adopt(canvas_);
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    Refresh();
}

Picture& Canvas::EnsureSurface() {
    const std::int32_t width = Width();
    const std::int32_t height = Height();
    if (!surface_ || surface_->Width() != width || surface_->Height() != height) {
        surface_ = std::make_unique<Picture>(width, height, 32, 0u);
    }
    return *surface_;
}

Graphics& Canvas::Graphics() {
    Picture& surface = EnsureSurface();
    Refresh();
    return surface.Graphics();
}

void Canvas::SetVisible(bool visible) {
    visible_ = visible;
    Refresh();
}

}  // namespace ulvarin
