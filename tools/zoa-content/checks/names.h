#pragma once

#include <QString>
#include <QStringList>

namespace content {

// The candidate nearest the name, by the fewest characters typed, dropped or changed, when it is
// near enough to be a slip of the keyboard: one change in a name of up to six characters, two
// in a longer one. The first of equally near candidates; an empty text when none is near.
QString nearestName(const QString& name, const QStringList& candidates);

} // namespace content
