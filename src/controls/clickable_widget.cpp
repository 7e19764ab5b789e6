#include "controls/clickable_widget.h"

#include "controls/accessibility.h"
#include "controls/focus_mark.h"

#include <QMouseEvent>
#include <QWheelEvent>

namespace controls {

void ClickableWidget::setOffer(Offer offer) {
    offer_ = offer;
    setFocusPolicy(offer == Offer::Nothing ? Qt::NoFocus : Qt::TabFocus);
}

QString ClickableWidget::nameForReaders() const {
    return accessibleName().isEmpty() ? shownText() : accessibleName();
}

void ClickableWidget::nameMayHaveChanged() {
    tellNameChanged(this);
}

void ClickableWidget::pressAndRelease() {
    if (isVisible() && isEnabled()) {
        Q_EMIT pressed(Qt::LeftButton);
        Q_EMIT clicked();
    }
}

void ClickableWidget::pressRight() {
    if (isVisible() && isEnabled()) {
        Q_EMIT pressed(Qt::RightButton);
    }
}

// The focus mark is drawn over whatever the control painted.
bool ClickableWidget::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Paint) {
        paintFocusMark(this, showsText(), shownText());
    }
    return handled;
}

void ClickableWidget::mousePressEvent(QMouseEvent* event) {
    showFocusMark(this, false);
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

void ClickableWidget::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() > 0) {
        Q_EMIT wheeledUp();
    }
}

} // namespace controls
