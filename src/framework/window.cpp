#include "window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

#include "menu_item.h"
#include "runtime.h"

namespace ulvarin {

// The top-level widget: reports closing and activation to its window.
class WindowFrameWidget : public QMainWindow {
public:
    explicit WindowFrameWidget(Window& window) : window_(window) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        window_.LetGo();
        event->accept();
    }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
            RefreshMenuStates(&window_);
        }
        QMainWindow::changeEvent(event);
    }

private:
    Window& window_;
};

namespace {

// The content area: clicks that no control takes are the window's own.
class ContentWidget : public QWidget {
public:
    explicit ContentWidget(Window& window) : window_(window) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        tracking_ = window_.Dispatch(false, [&] { return window_.Event_MouseDown(at.x(), at.y()); });
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!tracking_) return;
        tracking_ = false;
        const QPoint at = event->position().toPoint();
        window_.Dispatch([&] { window_.Event_MouseUp(at.x(), at.y()); });
    }

private:
    Window& window_;
    bool tracking_ = false;
};

}  // namespace

Window::Window(std::string className)
    : className_(std::move(className)),
      frame_(new WindowFrameWidget(*this)),
      content_(new ContentWidget(*this)) {
    frame_->setCentralWidget(content_);
    RememberWindow(this);
}

Window::~Window() {
    ForgetWindow(this);
    for (auto& control : controls_) control->Shutdown();
    byName_.clear();
    controls_.clear();
    delete frame_;
}

void Window::Constructor() {
    Layout();
    CreateControls();
    AddMenuHandlers(*this);
    RegisterImplicitWindow(this);
    // A window opens with no control focused, until the user clicks or tabs
    // into one.
    ClearControlFocus();
    Dispatch([this] { Event_Open(); });
    if (properties_.visible && !closed_) Show();
}

void Window::SetProperties(const WindowProperties& properties) {
    properties_ = properties;
    frame_->setWindowTitle(QString::fromStdString(properties_.title));
    content_->setFixedSize(properties_.width, properties_.height);
    if (properties_.hasBackColor) {
        QPalette palette = content_->palette();
        const Color c = properties_.backColor;
        palette.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
        content_->setPalette(palette);
        content_->setAutoFillBackground(true);
    }
    ApplyFlags();
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (properties_.frame == WindowFrame::ModalDialog) {
        // A dialog frame shows a title bar only when it has a title: an
        // untitled one (a splash) is a plain bordered panel.
        flags = Qt::Dialog | Qt::CustomizeWindowHint;
        if (properties_.title.empty()) {
            flags |= Qt::FramelessWindowHint;
        } else {
            flags |= Qt::WindowTitleHint;
        }
    }
    if (properties_.closeButton) flags |= Qt::WindowCloseButtonHint;
    if (properties_.resizeable && properties_.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (properties_.resizeable && properties_.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
    frame_->setWindowFlags(flags);
    // The content area keeps its size; a window that cannot be resized keeps
    // the size that the content area and any menu bar give it.
    frame_->adjustSize();
    if (!properties_.resizeable) frame_->setFixedSize(frame_->sizeHint());
}

void Window::SetMenuBar(std::shared_ptr<ulvarin::MenuBar> menuBar) {
    menuBar_ = std::move(menuBar);
    if (menuBar_) {
        frame_->setMenuBar(BuildMenuBarView(*menuBar_, *this));
    } else {
        frame_->setMenuBar(nullptr);
    }
    ApplyFlags();
}

void Window::Show() {
    if (closed_) return;
    // Dialog frames open in the middle of the screen unless told otherwise.
    // Only when they open: a window already open comes to the front where
    // the user left it.
    const bool centred = properties_.placement == WindowPlacement::CentredOnMainScreen ||
                         properties_.frame == WindowFrame::ModalDialog;
    if (centred && !frame_->isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frame_->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            frame_->move(frame.topLeft());
        }
    }
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
    if (menuBar_) RefreshMenuStates(this);
}

void Window::Close() {
    if (closed_) return;
    frame_->close();  // the frame reports back through LetGo
    LetGo();
}

void Window::LetGo() {
    if (closed_) return;
    closed_ = true;
    for (auto& control : controls_) control->Shutdown();
    UnregisterImplicitWindow(this);
    if (runningHandlers_ == 0) deleteLater();
}

void Window::Refresh() { frame_->update(); }

void Window::ClearControlFocus() {
    if (frame_->focusWidget() != frame_) frame_->setFocus(Qt::OtherFocusReason);
}

void Window::Adopt(std::unique_ptr<Control> control) {
    byName_.emplace(control->Name(), control.get());
    controls_.push_back(std::move(control));
}

Control* Window::ControlByName(std::string_view name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

Control* Window::ControlByNameIndex(std::string_view name, std::int32_t index) const {
    const auto [first, last] = byName_.equal_range(name);
    for (auto it = first; it != last; ++it) {
        if (it->second->Index() == index) return it->second;
    }
    return nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const std::string& itemName) const {
    return menuHandlers_.count(itemName) != 0;
}

bool Window::HandleMenuCommand(const std::string& itemName) {
    const auto found = menuHandlers_.find(itemName);
    if (found == menuHandlers_.end()) return false;
    const auto handler = found->second;
    return Dispatch(false, [&] { return handler(); });
}

void Window::Dispatch(const std::function<void()>& handler) {
    ++runningHandlers_;
    try {
        handler();
    } catch (const std::exception& error) {
        UnhandledException(error.what());
    } catch (...) {
        UnhandledException("unknown error");
    }
    if (--runningHandlers_ == 0 && closed_) deleteLater();
}

QWidget* Window::Content() const { return content_; }
QWidget* Window::Frame() const { return frame_; }

}  // namespace ulvarin
