#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRandomGenerator>
#include <QRectF>
#include <QString>

// Small drawing pieces the pictures are made of. Every random detail comes from a generator
// seeded by the caller, so a picture comes out the same on every build.
namespace generator::paint {

// Fonts present on the build machine (IPA and Noto Japanese fonts).
QFont gothicFont(double pixelSize, int weight = QFont::Normal);
QFont serifFont(double pixelSize, int weight = QFont::Bold);

void verticalGradient(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom);
void stars(QPainter& p, const QRectF& area, int count, QRandomGenerator& random);
void glow(QPainter& p, QPointF centre, double radius, QColor colour);
void moon(QPainter& p, QPointF centre, double radius, const QColor& colour);
// A crescent moon: a disc with a bite taken out, so the sky behind shows through.
void crescent(QPainter& p, QPointF centre, double radius, const QColor& colour);

// A row of houses standing on baseline, with lit windows; roofs between minHeight and maxHeight.
void houses(QPainter& p, const QRectF& span, double minHeight, double maxHeight, const QColor& wall,
            const QColor& window, QRandomGenerator& random);
// Water from the rect's top down, with short light streaks.
void water(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom,
           const QColor& streak, QRandomGenerator& random);
// A street lamp whose foot stands at foot.
void streetLamp(QPainter& p, QPointF foot, double height, const QColor& light);
// A round clock face with hands.
void clockFace(QPainter& p, QPointF centre, double radius, double hours, const QColor& rim,
               const QColor& face);
// A lantern hanging with its top at top.
void lantern(QPainter& p, QPointF top, double size, const QColor& colour);
// A night train seen from the side, nose to the left, its body starting at origin.
void train(QPainter& p, QPointF origin, double carLength, int cars, const QColor& body,
           const QColor& window);
// A soft five-petal flower.
void flower(QPainter& p, QPointF centre, double radius, const QColor& petal, const QColor& middle);
// Centred text with a soft dark shadow.
void shadowedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                  const QColor& colour, int flags = Qt::AlignCenter);
// Translucent veils of fog across the rect.
void fog(QPainter& p, const QRectF& rect, int bands, QRandomGenerator& random);
// A frame line around the whole picture.
void frame(QPainter& p, const QRectF& rect, const QColor& colour);

} // namespace generator::paint
