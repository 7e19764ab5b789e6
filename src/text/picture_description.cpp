#include "text/picture_description.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace text {

QString descriptionPath(const QString& picturePath) {
    const QFileInfo picture(picturePath);
    return picture.path() + QLatin1Char('/') + picture.completeBaseName() +
           QLatin1String(descriptionSuffix);
}

QString readPictureDescription(const QString& picturePath) {
    QFile file(descriptionPath(picturePath));
    if (picturePath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = QString::fromUtf8(file.read(longestDescription)).split(lineEnd);
    for (QString& line : lines) {
        line = line.trimmed();
    }
    lines.removeAll(QString());
    return lines.join(QLatin1Char(' '));
}

} // namespace text
