#include "platform/label.h"

#include <QPainter>
#include <QTimerEvent>

namespace platform {

namespace {
constexpr qint64 frameMilliseconds = 16;
}

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
    scheduleRepaint();
}

void Label::scheduleRepaint() {
    if (repaintTimer_.isActive()) {
        return;
    }
    const qint64 since = sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : frameMilliseconds;
    if (since >= frameMilliseconds) {
        update();
    } else {
        repaintTimer_.start(static_cast<int>(frameMilliseconds - since), this);
    }
}

void Label::timerEvent(QTimerEvent* event) {
    if (event->timerId() != repaintTimer_.timerId()) {
        ClickableWidget::timerEvent(event);
        return;
    }
    repaintTimer_.stop();
    update();
}

void Label::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void Label::paintEvent(QPaintEvent*) {
    sinceRepaint_.restart();
    QPainter painter(this);
    painter.setPen(textColor_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shownText_);
}

} // namespace platform
