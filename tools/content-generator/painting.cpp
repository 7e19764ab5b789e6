#include "painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace generator::paint {

namespace {

QFont fontOf(const QStringList& families, double pixelSize, int weight) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QFont gothicFont(double pixelSize, int weight) {
    return fontOf({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")}, pixelSize,
                  weight);
}

QFont serifFont(double pixelSize, int weight) {
    return fontOf({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAMincho")}, pixelSize,
                  weight);
}

void verticalGradient(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(rect, gradient);
}

void stars(QPainter& p, const QRectF& area, int count, QRandomGenerator& random) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(area.height()));
        const double size = 0.5 + random.bounded(1.3);
        QColor colour(255, 250, 220, 120 + random.bounded(135));
        p.setBrush(colour);
        p.drawEllipse(at, size, size);
        if (size > 1.55) {
            // A few larger stars get a small cross of light.
            colour.setAlpha(90);
            p.setPen(QPen(colour, 0.7));
            p.drawLine(at - QPointF(size * 2.5, 0), at + QPointF(size * 2.5, 0));
            p.drawLine(at - QPointF(0, size * 2.5), at + QPointF(0, size * 2.5));
            p.setPen(Qt::NoPen);
        }
    }
    p.restore();
}

void glow(QPainter& p, QPointF centre, double radius, QColor colour) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    colour.setAlpha(0);
    gradient.setColorAt(1, colour);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void moon(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QColor halo = colour;
    halo.setAlpha(70);
    glow(p, centre, radius * 2.4, halo);
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient body(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    body.setColorAt(0, colour.lighter(115));
    body.setColorAt(1, colour.darker(112));
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);
    // Faint seas on the moon's face.
    p.setBrush(QColor(0, 0, 0, 18));
    p.drawEllipse(centre + QPointF(-radius * 0.3, -radius * 0.1), radius * 0.28, radius * 0.22);
    p.drawEllipse(centre + QPointF(radius * 0.25, radius * 0.3), radius * 0.2, radius * 0.16);
    p.drawEllipse(centre + QPointF(radius * 0.1, -radius * 0.45), radius * 0.12, radius * 0.1);
    p.restore();
}

void crescent(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QColor halo = colour;
    halo.setAlpha(60);
    glow(p, centre, radius * 2.2, halo);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.45, -radius * 0.25), radius * 0.92, radius * 0.92);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(disc.subtracted(bite));
    p.restore();
}

void houses(QPainter& p, const QRectF& span, double minHeight, double maxHeight, const QColor& wall,
            const QColor& window, QRandomGenerator& random) {
    p.save();
    double x = span.left() - random.bounded(20.0);
    const double base = span.bottom();
    while (x < span.right()) {
        const double width = 22 + random.bounded(26.0);
        const double height = minHeight + random.bounded(maxHeight - minHeight);
        const QColor shade = wall.lighter(90 + random.bounded(25));
        QPainterPath house;
        house.addRect(x, base - height, width, height);
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawPath(house);
        // Roof: pointed, flat or with a little tower.
        QPainterPath roof;
        const int kind = random.bounded(3);
        if (kind == 0) {
            roof.moveTo(x - 2, base - height);
            roof.lineTo(x + width / 2, base - height - width * 0.45);
            roof.lineTo(x + width + 2, base - height);
        } else if (kind == 1) {
            roof.addRect(x + width * 0.3, base - height - 10, width * 0.28, 10);
            roof.addRect(x + width * 0.25, base - height - 12, width * 0.38, 3);
        } else {
            roof.addRect(x - 1, base - height - 3, width + 2, 3);
        }
        p.setBrush(shade.darker(115));
        p.drawPath(roof);
        // Windows: some lit, some dark.
        for (double wy = base - height + 7; wy < base - 9; wy += 13) {
            for (double wx = x + 5; wx < x + width - 8; wx += 10) {
                if (random.bounded(100) < 55) {
                    QColor lit = window;
                    lit.setAlpha(170 + random.bounded(85));
                    p.setBrush(lit);
                    p.drawRect(QRectF(wx, wy, 5, 6));
                    QColor halo = window;
                    halo.setAlpha(40);
                    glow(p, QPointF(wx + 2.5, wy + 3), 8, halo);
                }
            }
        }
        x += width + random.bounded(4.0);
    }
    p.restore();
}

void water(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom,
           const QColor& streak, QRandomGenerator& random) {
    verticalGradient(p, rect, top, bottom);
    p.save();
    for (int i = 0; i < 70; ++i) {
        const double y = rect.top() + 3 + random.bounded(rect.height() - 4);
        const double depth = (y - rect.top()) / rect.height();
        const double length = 6 + random.bounded(18.0) * (0.5 + depth);
        const double x = rect.left() + random.bounded(rect.width());
        QColor colour = streak;
        colour.setAlpha(40 + random.bounded(110));
        p.setPen(QPen(colour, 1.0 + depth));
        p.drawLine(QPointF(x, y), QPointF(x + length, y));
    }
    p.restore();
}

void streetLamp(QPainter& p, QPointF foot, double height, const QColor& light) {
    p.save();
    QColor halo = light;
    halo.setAlpha(110);
    const QPointF head = foot - QPointF(0, height);
    glow(p, head, height * 0.55, halo);
    p.setPen(QPen(QColor(30, 30, 40), height * 0.05));
    p.drawLine(foot, head + QPointF(0, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawRect(QRectF(foot.x() - height * 0.08, foot.y() - 4, height * 0.16, 4));
    QPainterPath cap;
    cap.moveTo(head + QPointF(-height * 0.09, -2));
    cap.lineTo(head + QPointF(0, -height * 0.1));
    cap.lineTo(head + QPointF(height * 0.09, -2));
    cap.closeSubpath();
    p.drawPath(cap);
    p.setBrush(light);
    p.drawEllipse(head + QPointF(0, 2), height * 0.06, height * 0.07);
    p.restore();
}

void clockFace(QPainter& p, QPointF centre, double radius, double hours, const QColor& rim,
               const QColor& face) {
    p.save();
    p.setPen(QPen(rim.darker(150), std::max(1.0, radius * 0.06)));
    p.setBrush(rim);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(face);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius * 0.84, radius * 0.84);
    p.setPen(QPen(QColor(60, 45, 30), std::max(0.8, radius * 0.05)));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.drawLine(centre + dir * radius * 0.68, centre + dir * radius * 0.78);
    }
    const double hourAngle = hours / 12.0 * 2 * std::numbers::pi;
    const double minuteAngle = std::fmod(hours, 1.0) * 2 * std::numbers::pi;
    p.setPen(QPen(QColor(40, 30, 25), std::max(1.2, radius * 0.09), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(std::sin(hourAngle), -std::cos(hourAngle)) * radius * 0.45);
    p.setPen(QPen(QColor(40, 30, 25), std::max(0.8, radius * 0.05), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre,
               centre + QPointF(std::sin(minuteAngle), -std::cos(minuteAngle)) * radius * 0.68);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 25));
    p.drawEllipse(centre, radius * 0.07, radius * 0.07);
    p.restore();
}

void lantern(QPainter& p, QPointF top, double size, const QColor& colour) {
    p.save();
    QColor halo = colour;
    halo.setAlpha(90);
    const QPointF centre = top + QPointF(0, size * 0.8);
    glow(p, centre, size * 1.6, halo);
    p.setPen(QPen(QColor(40, 25, 20), 1));
    p.drawLine(top, top + QPointF(0, size * 0.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 30, 25));
    p.drawRect(QRectF(top.x() - size * 0.3, top.y() + size * 0.15, size * 0.6, size * 0.12));
    p.drawRect(QRectF(top.x() - size * 0.3, top.y() + size * 1.35, size * 0.6, size * 0.12));
    QRadialGradient body(centre, size * 0.7);
    body.setColorAt(0, colour.lighter(150));
    body.setColorAt(1, colour);
    p.setBrush(body);
    p.drawEllipse(centre, size * 0.5, size * 0.6);
    p.setPen(QPen(colour.darker(140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, size * 0.2, size * 0.6);
    p.restore();
}

void train(QPainter& p, QPointF origin, double carLength, int cars, const QColor& body,
           const QColor& window) {
    p.save();
    const double height = carLength * 0.3;
    for (int car = 0; car < cars; ++car) {
        const double x = origin.x() + car * (carLength + 4);
        const QRectF box(x, origin.y(), carLength, height);
        QPainterPath shape;
        if (car == 0) {
            shape.moveTo(box.left() + height * 0.6, box.top());
            shape.lineTo(box.right(), box.top());
            shape.lineTo(box.right(), box.bottom());
            shape.lineTo(box.left(), box.bottom());
            shape.quadTo(box.left(), box.top(), box.left() + height * 0.6, box.top());
        } else {
            shape.addRoundedRect(box, 3, 3);
        }
        p.setPen(QPen(body.darker(160), 1));
        p.setBrush(body);
        p.drawPath(shape);
        p.setPen(Qt::NoPen);
        p.setBrush(body.lighter(125));
        p.drawRect(QRectF(box.left() + 2, box.top() + height * 0.72, box.width() - 4, 2));
        // Lit windows with a halo.
        const int windows = 5;
        const double pitch = (carLength - 10) / windows;
        for (int w = 0; w < windows; ++w) {
            if (car == 0 && w == 0) {
                continue;
            }
            const QRectF pane(box.left() + 6 + w * pitch, box.top() + height * 0.2, pitch * 0.65,
                              height * 0.35);
            QColor halo = window;
            halo.setAlpha(60);
            glow(p, pane.center(), pitch * 0.9, halo);
            p.setBrush(window);
            p.drawRoundedRect(pane, 1.5, 1.5);
        }
        p.setBrush(QColor(25, 25, 30));
        p.drawEllipse(QPointF(box.left() + carLength * 0.2, box.bottom() + 1), height * 0.13,
                      height * 0.13);
        p.drawEllipse(QPointF(box.right() - carLength * 0.2, box.bottom() + 1), height * 0.13,
                      height * 0.13);
    }
    // Head light.
    glow(p, QPointF(origin.x() + 3, origin.y() + height * 0.6), height * 0.9,
         QColor(255, 240, 180, 160));
    p.restore();
}

void flower(QPainter& p, QPointF centre, double radius, const QColor& petal, const QColor& middle) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.55, radius * 0.5,
                      radius * 0.5);
    }
    p.setBrush(middle);
    p.drawEllipse(centre, radius * 0.35, radius * 0.35);
    p.restore();
}

void shadowedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                  const QColor& colour, int flags) {
    p.save();
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(rect.translated(2, 2), flags, text);
    p.setPen(colour);
    p.drawText(rect, flags, text);
    p.restore();
}

void fog(QPainter& p, const QRectF& rect, int bands, QRandomGenerator& random) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < bands; ++i) {
        const double y = rect.top() + random.bounded(rect.height());
        const double width = rect.width() * (0.5 + random.bounded(0.7));
        const double x = rect.left() + random.bounded(rect.width()) - width / 2;
        QRadialGradient veil(QPointF(x + width / 2, y), width / 2);
        veil.setColorAt(0, QColor(220, 225, 235, 70));
        veil.setColorAt(1, QColor(220, 225, 235, 0));
        p.setBrush(veil);
        p.save();
        p.translate(x + width / 2, y);
        p.scale(1.0, 0.18);
        p.translate(-(x + width / 2), -y);
        p.drawEllipse(QPointF(x + width / 2, y), width / 2, width / 2);
        p.restore();
    }
    p.restore();
}

void frame(QPainter& p, const QRectF& rect, const QColor& colour) {
    p.save();
    p.setPen(QPen(colour, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect.adjusted(1.5, 1.5, -1.5, -1.5));
    p.restore();
}

} // namespace generator::paint
