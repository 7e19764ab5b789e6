#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// A stand-in for a picture of a story still to be drawn.
namespace generator {

// A square picture of size pixels in one colour, with its name written large across the middle
// and a hint in small letters below, so that an author sees at once which picture is shown.
QImage placeholderPicture(const QString& name, int size, const QColor& background,
                          const QString& hint);

} // namespace generator
