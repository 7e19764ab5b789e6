#include "controls/box.h"

#include <QPainter>

namespace controls {

Box::Box(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Box::setBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void Box::setBorderColor(const QColor& color) {
    borderColor_ = color;
    update();
}

void Box::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    painter.setPen(borderColor_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace controls
