#include "platform/label.h"

#include <QPainter>

namespace platform {

Label::Label(QWidget* parent)
    : ClickableWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    shownText_ = caption;
    shownText_.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setAccessibleName(shownText_);
    update();
}

void Label::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(textColor_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shownText_);
}

} // namespace platform
