#include "platform/scroll_bar.h"

namespace platform {

ScrollBar::ScrollBar(QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent) {
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, &ScrollBar::changed);
    connect(this, &QScrollBar::sliderMoved, this, [this] { Q_EMIT scrolled(); });
}

} // namespace platform
