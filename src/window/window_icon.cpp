#include "window/window_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace window {

QImage drawIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0, QColor(90, 20, 110));
    sky.setColorAt(1, QColor(30, 0, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);

    painter.setBrush(QColor(255, 220, 90));
    painter.drawEllipse(QPointF(s * 0.74, s * 0.26), s * 0.12, s * 0.12);

    QPainterPath zed;
    zed.moveTo(s * 0.22, s * 0.28);
    zed.lineTo(s * 0.70, s * 0.28);
    zed.lineTo(s * 0.34, s * 0.72);
    zed.lineTo(s * 0.78, s * 0.72);
    QPen pen(QColor(0, 250, 90), s * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(zed);
    return image;
}

// 32 by 32 pixels in 256 colours.
QIcon windowIcon() {
    return QIcon(QPixmap::fromImage(drawIconImage(32).convertToFormat(QImage::Format_Indexed8)));
}

} // namespace window
