#include "checks/reachability.h"

#include "figures/rule_events.h"

#include <QFileInfo>
#include <QMap>

namespace content {

namespace {

Diagnostic missing(const QString& file, const QString& message) {
    return {file, 0, 0, message, Severity::Error};
}

} // namespace

QList<Diagnostic> checkReachability(const ContentFolder& folder) {
    QList<Diagnostic> diagnostics;
    QMap<QString, QString> pictures; // each picture and the first event that shows it
    QMap<QString, QString> faces;
    for (const ReachableEvent& event : normalPlayEvents()) {
        if (!QFileInfo(folder.script(event.name)).isFile()) {
            diagnostics.append(missing(folder.script(event.name),
                                       QStringLiteral("missing script for event \"%1\", reached "
                                                      "in normal play")
                                           .arg(event.name)));
        }
        if (!event.picture.isEmpty() && !pictures.contains(event.picture)) {
            pictures.insert(event.picture, event.name);
        }
        if (!event.face.isEmpty() && !faces.contains(event.face)) {
            faces.insert(event.face, event.name);
        }
    }
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        if (!QFileInfo(folder.picture(it.key())).isFile()) {
            diagnostics.append(missing(folder.picture(it.key()),
                                       QStringLiteral("missing picture \"%1\", shown when event "
                                                      "\"%2\" starts")
                                           .arg(it.key(), it.value())));
        }
    }
    for (auto it = faces.cbegin(); it != faces.cend(); ++it) {
        if (!QFileInfo(folder.picture(it.key())).isFile()) {
            diagnostics.append(missing(folder.picture(it.key()),
                                       QStringLiteral("missing face picture \"%1\", shown with "
                                                      "event \"%2\"")
                                           .arg(it.key(), it.value())));
        }
    }
    return diagnostics;
}

} // namespace content
