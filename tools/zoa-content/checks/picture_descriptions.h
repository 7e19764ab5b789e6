#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace content {

// Pictures' descriptions (text/picture_description.h), for players who hear the game: a UTF-8
// text file NAME.description beside the picture NAME.

// Warnings about a description file as the game reads it: text that is not UTF-8 (a screen reader
// would say it garbled), or more than the 4,096 bytes the game reads.
QList<Diagnostic> checkDescriptionText(const QString& file);

// A warning for a description whose name no picture has (pictures: the names there are, without
// suffix), with the name it may have been meant for.
Diagnostic descriptionOfNoPicture(const QString& file, const QStringList& pictures);

// A note for each picture shown (by path, true for a face) that is there but has no description
// the game reads, at the description's place. For a game folder not packed from sources, also the
// warnings about each description in dat2/.
QList<Diagnostic> checkDescriptions(const ContentFolder& folder, const QMap<QString, bool>& shown);

} // namespace content
