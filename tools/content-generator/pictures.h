#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace generator {

inline constexpr int scenePictureSize = 320;
inline constexpr int facePictureSize = 160;

// Every picture the generator can draw: the main pictures and the faces "0" to "4".
QStringList pictureNames();

// The picture of that name; a null image for a name the generator does not know.
QImage renderPicture(const QString& name);

} // namespace generator
