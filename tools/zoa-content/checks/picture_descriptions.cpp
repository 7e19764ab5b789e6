#include "checks/picture_descriptions.h"

#include "checks/names.h"
#include "pack/text_encoding.h"
#include "text/picture_description.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace content {

namespace {

Diagnostic warning(const QString& file, const QString& message) {
    return {file, 0, 0, message, Severity::Warning};
}

// The bytes without the character the game's cut may have left unfinished at their end.
QByteArrayView withoutCutCharacter(QByteArrayView bytes) {
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (byte < 0x80) {
            return bytes;
        }
        if (byte >= 0xC0) { // the first byte of a character of 2 to 4 bytes
            const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            return length > back ? bytes.chopped(back) : bytes;
        }
    }
    return bytes;
}

Diagnostic noDescription(const QString& picture, bool face) {
    const QString name = QFileInfo(picture).completeBaseName();
    const QString message =
        face ? QStringLiteral("face picture \"%1\" has no description for players who hear the "
                              "game: write here whose face it is, then what it shows")
             : QStringLiteral("picture \"%1\" has no description for players who hear the game: "
                              "write here what it shows, a sentence or two of UTF-8 text");
    return {text::descriptionPath(picture), 0, 0, message.arg(name), Severity::Note};
}

QStringList baseNames(const QString& folder, const QString& pattern) {
    QStringList names =
        QDir(folder).entryList({pattern}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (QString& name : names) {
        name = QFileInfo(name).completeBaseName();
    }
    return names;
}

} // namespace

QList<Diagnostic> checkDescriptionText(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return {warning(file, QStringLiteral("cannot be read: ") + in.errorString())};
    }
    const QByteArray bytes = in.read(text::longestDescription);
    const bool cut = in.size() > bytes.size();
    QList<Diagnostic> found;
    const TextEncoding encoding = guessEncoding(cut ? withoutCutCharacter(bytes) : bytes);
    if (encoding != TextEncoding::Utf8) {
        found.append(warning(file, QStringLiteral("saved as %1, not UTF-8: a screen reader would "
                                                  "say it garbled; save it as UTF-8")
                                       .arg(encodingName(encoding))));
    }
    if (cut) {
        found.append(warning(file, QStringLiteral("longer than the %1 bytes the game reads: the "
                                                  "rest is never heard")
                                       .arg(text::longestDescription)));
    }
    return found;
}

Diagnostic descriptionOfNoPicture(const QString& file, const QStringList& pictures) {
    const QString name = QFileInfo(file).completeBaseName();
    QString message = QStringLiteral("describes no picture: there is no picture \"%1\"").arg(name);
    const QString withoutSuffix = QFileInfo(name).completeBaseName();
    const QString near = nearestName(name, pictures);
    if (withoutSuffix != name && pictures.contains(withoutSuffix)) {
        message += QStringLiteral("; name it %1%2, without the picture's suffix")
                       .arg(withoutSuffix, QLatin1String(text::descriptionSuffix));
    } else if (!near.isEmpty()) {
        message += QStringLiteral("; did you mean \"%1\"?").arg(near);
    }
    return warning(file, message);
}

QList<Diagnostic> checkDescriptions(const ContentFolder& folder, const QMap<QString, bool>& shown) {
    QList<Diagnostic> found;
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        if (QFileInfo(it.key()).isFile() && text::readPictureDescription(it.key()).isEmpty()) {
            found.append(noDescription(it.key(), *it));
        }
    }
    const QStringList pictures = baseNames(folder.dat2, QStringLiteral("*") + ContentFolder::bmp());
    // A picture the story shows that is missing has its own error; its description is not amiss.
    QStringList shownNames;
    for (const QString& picture : shown.keys()) {
        shownNames.append(QFileInfo(picture).completeBaseName());
    }
    const QString suffix = QLatin1String(text::descriptionSuffix);
    for (const QString& name : baseNames(folder.dat2, QLatin1Char('*') + suffix)) {
        const QString file = folder.dat2 + QLatin1Char('/') + name + suffix;
        if (!folder.packed) { // pack has read it already
            found += checkDescriptionText(file);
        }
        if (!pictures.contains(name) && !shownNames.contains(name)) {
            found.append(descriptionOfNoPicture(file, pictures));
        }
    }
    return found;
}

} // namespace content
