#include "checks/json_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace content {

QByteArray diagnosticsToJson(const QList<Diagnostic>& diagnostics) {
    QJsonArray array;
    for (const Diagnostic& diagnostic : diagnostics) {
        QJsonObject object;
        object.insert(QStringLiteral("file"), diagnostic.file);
        if (diagnostic.line > 0) {
            object.insert(QStringLiteral("line"), diagnostic.line);
        }
        if (diagnostic.column > 0) {
            object.insert(QStringLiteral("column"), diagnostic.column);
        }
        object.insert(QStringLiteral("severity"), severityName(diagnostic.severity));
        object.insert(QStringLiteral("message"), diagnostic.message);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace content
