#include "push_button.h"

#include <QPushButton>

#include "system_font.h"
#include "window.h"

namespace ulvarin {

PushButton::PushButton(Window& owner, std::string name, std::int32_t index, std::string className)
    : RectControl(owner, std::move(name), index, std::move(className)),
      button_(new QPushButton(owner.Content())) {
    button_->setFont(SystemFont(12));
    // Neither the default nor the cancel button: Return and Escape press no button.
    button_->setAutoDefault(false);
    button_->setDefault(false);
    button_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button_, &QPushButton::clicked, button_, [this] {
        if (Action) Owner().Dispatch([this] { Action(); });
    });
    Adopt(button_);
}

std::string PushButton::Caption() const { return button_->text().toStdString(); }

void PushButton::SetCaption(const std::string& caption) {
    button_->setText(QString::fromStdString(caption));
}

void PushButton::SetTextSize(int size) { button_->setFont(SystemFont(size)); }

void PushButton::SetAcceptFocus(bool accept) {
    button_->setFocusPolicy(accept ? Qt::StrongFocus : Qt::NoFocus);
}

void PushButton::Push() { button_->click(); }

BevelButton::BevelButton(Window& owner, std::string name, std::int32_t index, std::string className)
    : PushButton(owner, std::move(name), index, std::move(className)) {
    SetTextSize(10);
}

}  // namespace ulvarin
