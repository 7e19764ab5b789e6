#include "platform/clickable_widget.h"

#include <QMouseEvent>

namespace platform {

void ClickableWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftDown_ = true;
    }
    // Qt's button values for left, right and middle are the codes the handlers take: 1, 2, 4.
    Q_EMIT pressed(static_cast<int>(event->button()));
}

void ClickableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !leftDown_) {
        return;
    }
    leftDown_ = false;
    if (rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

void ClickableWidget::mouseDoubleClickEvent(QMouseEvent*) {
    leftDown_ = false;
}

} // namespace platform
