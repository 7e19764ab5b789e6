#include "placeholders.h"

#include "painting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace generator {

namespace {

// The largest pixel size up to the given one at which the text fits the width.
double fittingSize(const QString& text, double largest, double width) {
    double size = largest;
    while (size > 8 &&
           QFontMetricsF(paint::gothicFont(size, QFont::Bold)).horizontalAdvance(text) > width) {
        size *= 0.9;
    }
    return size;
}

} // namespace

QImage placeholderPicture(const QString& name, int size, const QColor& background,
                          const QString& hint) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(image.rect());
    paint::frame(painter, area, background.lighter(160));
    // The hint's lines at the foot, the name large in the space above them.
    const double margin = size * 0.08;
    const double hintSize = std::max(11.0, size * 0.055);
    const QFont hintFont = paint::gothicFont(hintSize);
    const double hintHeight =
        QFontMetricsF(hintFont).lineSpacing() * (hint.count(QLatin1Char('\n')) + 1);
    const QRectF hintArea(margin, size - margin - hintHeight, size - 2 * margin, hintHeight);
    const QRectF nameArea(margin, margin, size - 2 * margin, hintArea.top() - margin);
    const double nameSize = fittingSize(name, size * 0.3, nameArea.width());
    paint::shadowedText(painter, nameArea, name, paint::gothicFont(nameSize, QFont::Bold),
                        Qt::white);
    painter.setPen(QColor(235, 235, 235));
    painter.setFont(hintFont);
    painter.drawText(hintArea, Qt::AlignHCenter | Qt::AlignBottom, hint);
    painter.end();
    // The game reads 24-bit pictures.
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace generator
