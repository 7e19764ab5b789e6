#include "checks/names.h"

#include <algorithm>
#include <vector>

namespace content {

namespace {

// The Levenshtein distance between the two texts.
qsizetype editDistance(const QString& a, const QString& b) {
    std::vector<qsizetype> row(static_cast<std::size_t>(b.size() + 1));
    for (qsizetype j = 0; j <= b.size(); ++j) {
        row[static_cast<std::size_t>(j)] = j;
    }
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const auto at = static_cast<std::size_t>(j);
            const qsizetype changed = diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1);
            diagonal = row[at];
            row[at] = std::min({row[at] + 1, row[at - 1] + 1, changed});
        }
    }
    return row.back();
}

} // namespace

QString nearestName(const QString& name, const QStringList& candidates) {
    const qsizetype nearEnough = name.size() <= 6 ? 1 : 2;
    QString nearest;
    qsizetype best = nearEnough + 1;
    for (const QString& candidate : candidates) {
        const qsizetype distance = editDistance(name, candidate);
        if (distance > 0 && distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    return nearest;
}

} // namespace content
