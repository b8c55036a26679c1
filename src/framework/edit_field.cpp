#include "edit_field.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "numbers.h"
#include "system_font.h"
#include "window.h"

namespace ulvarin {

namespace {

// The text a key stands for, as the KeyDown handler receives it; empty for a
// key that types nothing (a lone modifier, a function key) and for a shortcut.
// Only the keys themselves give Return and Enter: Ctrl with a letter types that
// letter's control character (Ctrl+C is character 3, Ctrl+M 13), and such a
// key is the desktop's shortcut (copy, paste, select all, undo), which goes
// to the field untouched.
std::string KeyText(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return: return Chr(13);
        case Qt::Key_Enter: return Chr(3);
        case Qt::Key_Backspace: return Chr(8);
        case Qt::Key_Tab: return Chr(9);
        case Qt::Key_Escape: return Chr(27);
        case Qt::Key_Left: return Chr(28);
        case Qt::Key_Right: return Chr(29);
        case Qt::Key_Up: return Chr(30);
        case Qt::Key_Down: return Chr(31);
        case Qt::Key_Delete: return Chr(127);
        default: {
            const QString text = event.text();
            for (const QChar c : text) {
                if (c.category() == QChar::Other_Control) return {};
            }
            return text.toStdString();
        }
    }
}

}  // namespace

// The field's widget: offers every key to the KeyDown handler first.
class KeyedLineEdit : public QLineEdit {
public:
    KeyedLineEdit(EditField& field, QWidget* parent) : QLineEdit(parent), field_(field) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (field_.KeyDown) {
            const std::string key = KeyText(*event);
            if (!key.empty()) {
                const bool taken = field_.Owner().Dispatch(false, [&] { return field_.KeyDown(key); });
                if (taken) {
                    event->accept();
                    return;
                }
            }
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    EditField& field_;
};

EditField::EditField(Window& owner, std::string name, std::int32_t index, std::string className)
    : RectControl(owner, std::move(name), index, std::move(className)),
      edit_(new KeyedLineEdit(*this, owner.Content())) {
    edit_->setFont(SystemFont(10));
    edit_->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] {
        if (TextChange) Owner().Dispatch([this] { TextChange(); });
    });
    Adopt(edit_);
}

std::string EditField::Text() const { return edit_->text().toStdString(); }

void EditField::SetText(const std::string& text) { edit_->setText(QString::fromStdString(text)); }

void EditField::SetTextSize(int size) { edit_->setFont(SystemFont(size)); }

void EditField::SetFocus() { edit_->setFocus(Qt::OtherFocusReason); }

}  // namespace ulvarin
