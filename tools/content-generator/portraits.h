#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

// The story's five characters: 0 Sou (lighthouse keeper, blue), 1 Nagi (flower shop, pink),
// 2 Toki (clock maker, amber), 3 Shiori (librarian, green), 4 Yoru (black cat, purple).
namespace generator {

inline constexpr int characterCount = 5;

struct Look {
    QColor main;  // the character's own colour
    QColor light; // background tint
    QColor dark;  // outlines and frame
};

Look lookOf(int character);

// Head and shoulders of a character, drawn into target (designed on a 100 by 100 grid).
void drawBust(QPainter& p, int character, const QRectF& target);
// Yoru sitting, seen whole, drawn into target (100 by 100 grid).
void drawSittingCat(QPainter& p, const QRectF& target);
// The face picture shown beside the scene: the bust on a background in the character's colour.
QImage facePicture(int character, int size);

} // namespace generator
