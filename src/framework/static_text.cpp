#include "static_text.h"

#include <QLabel>

#include "system_font.h"
#include "window.h"

namespace ulvarin {

StaticText::StaticText(Window& owner, std::string name, std::int32_t index, std::string className)
    : RectControl(owner, std::move(name), index, std::move(className)),
      label_(new QLabel(owner.Content())) {
    label_->setTextFormat(Qt::PlainText);
    label_->setFont(SystemFont(textSize_));
    // Clicks on a label go on to the window underneath.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Adopt(label_);
    Show();
}

void StaticText::SetText(const std::string& text) {
    text_ = text;
    Show();
}

void StaticText::SetAlignment(TextAlign align) {
    align_ = align;
    Show();
}

void StaticText::SetMultiline(bool multiline) {
    multiline_ = multiline;
    // A multiline label also breaks lines that are wider than itself, at
    // word boundaries, as a paragraph of text would.
    label_->setWordWrap(multiline);
    Show();
}

void StaticText::SetTextSize(int size) {
    textSize_ = size;
    label_->setFont(SystemFont(size));
}

void StaticText::SetTextColor(Color color) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    label_->setPalette(palette);
}

void StaticText::Show() {
    QString shown = QString::fromStdString(text_);
    // A carriage return breaks the line; a single-line label shows the text
    // up to the first break only.
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    if (!multiline_) shown = shown.section(QChar('\n'), 0, 0);
    label_->setText(shown);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (align_ == TextAlign::Center) horizontal = Qt::AlignHCenter;
    if (align_ == TextAlign::Right) horizontal = Qt::AlignRight;
    label_->setAlignment(horizontal | Qt::AlignTop);
}

}  // namespace ulvarin
