#include "pictures.h"

#include "portraits.h"
#include "scenes.h"

#include <QPainter>

namespace generator {

namespace {

// A face picture's name is the character's number.
int faceCharacter(const QString& name) {
    bool ok = false;
    const int character = name.toInt(&ok);
    return ok && name.size() == 1 && character >= 0 && character < characterCount ? character : -1;
}

} // namespace

QStringList pictureNames() {
    QStringList names;
    for (const auto& [name, drawer] : sceneDrawers()) {
        names.append(name);
    }
    for (int character = 0; character < characterCount; ++character) {
        names.append(QString::number(character));
    }
    return names;
}

QImage renderPicture(const QString& name) {
    QImage image;
    const int character = faceCharacter(name);
    if (character >= 0) {
        image = facePicture(character, facePictureSize);
    } else {
        const auto found = sceneDrawers().find(name);
        if (found == sceneDrawers().end()) {
            return QImage();
        }
        image = QImage(scenePictureSize, scenePictureSize, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        found->second(painter, QRectF(image.rect()));
    }
    // The game reads 24-bit BMP files.
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace generator
