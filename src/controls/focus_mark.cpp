#include "controls/focus_mark.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace controls {

void showFocusMark(QWidget* control, bool shown) {
    QWidget* window = control->window();
    if (window->testAttribute(Qt::WA_KeyboardFocusChange) == shown) {
        return;
    }
    window->setAttribute(Qt::WA_KeyboardFocusChange, shown);
    if (QWidget* focused = window->focusWidget()) {
        focused->update();
    }
}

void paintFocusMark(QWidget* control, bool showsText, const QString& text) {
    if (!control->hasFocus() || !control->window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        return;
    }
    QPainter painter(control);
    if (!showsText) {
        const QRect frame = control->rect().adjusted(1, 1, -2, -2);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(frame.adjusted(2, 2, -2, -2));
        return;
    }
    const QRect shown = control->fontMetrics().boundingRect(
        control->rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    const int width = std::max(shown.width(), control->width() / 4);
    const int thickness = std::max(2, control->fontMetrics().height() / 6);
    painter.fillRect(0, shown.bottom() + thickness, width, thickness, Qt::black);
    painter.fillRect(0, shown.bottom() + 2 * thickness, width, thickness, Qt::white);
}

} // namespace controls
