#include "controls/scroll_bar.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

namespace controls {

ScrollBar::ScrollBar(QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent) {
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, &ScrollBar::changed);
    connect(this, &QScrollBar::sliderMoved, this, [this] { Q_EMIT scrolled(); });
}

// Qt's scroll bars invert their controls, so that the wheel scrolls as in a view; on a horizontal
// bar that turns the arrow keys around. Left lowers the value and Right raises it, as the thumb
// moves.
void ScrollBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        triggerAction(event->key() == Qt::Key_Left ? SliderSingleStepSub : SliderSingleStepAdd);
        return;
    }
    QScrollBar::keyPressEvent(event);
}

void ScrollBar::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    QScrollBar::contextMenuEvent(event);
}

} // namespace controls
