#include "checks/long_plays.h"

#include "figures/figure_text.h"

#include <QFileInfo>

namespace content {

namespace {

QString simulatedShare(const QString& event, const SimulationResult& simulated) {
    return QStringLiteral(" (in %1 of %2 simulated %3)")
        .arg(simulated.reached.value(event))
        .arg(simulated.stories)
        .arg(simulated.stories == 1 ? QStringLiteral("story") : QStringLiteral("stories"));
}

} // namespace

bool reportedWhenMissing(const EventFigures& figure) {
    return !figure.event.inNormalPlay() && figure.share >= longPlayShareReported;
}

QList<Diagnostic> checkLongPlays(const ContentFolder& folder, const StoryFigures& figures,
                                 const SimulationResult* simulated) {
    QList<Diagnostic> diagnostics;
    for (const EventFigures& figure : figures.events) {
        const QString& event = figure.event.name;
        const QString path = folder.script(event);
        if (!reportedWhenMissing(figure) || QFileInfo(path).isFile()) {
            continue;
        }
        QString message = event + ContentFolder::txt() + QStringLiteral(" missing: reached in ") +
                          percent(figure.share) + QStringLiteral(" of stories");
        if (simulated != nullptr) {
            message += simulatedShare(event, *simulated);
        }
        diagnostics.append({path, 0, 0, message, Severity::Warning});
    }
    return diagnostics;
}

} // namespace content
