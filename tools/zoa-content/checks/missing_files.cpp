#include "checks/missing_files.h"

#include "checks/names.h"
#include "figures/figure_text.h"
#include "figures/rule_events.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace content {

namespace {

// Below these shares of stories a missing file is a warning, and then not reported at all.
constexpr double errorShare = 1e-3;
constexpr double reportedShare = 1e-6;

bool isTitleEvent(const QString& event) {
    const QList<ReachableEvent> title = titleEvents();
    return std::any_of(title.cbegin(), title.cend(),
                       [&event](const ReachableEvent& e) { return e.name == event; });
}

// The events the figures count, those most stories reach first, the title's before all.
QList<EventFigures> byShare(const StoryFigures& figures) {
    QList<EventFigures> events = figures.events.values();
    std::stable_sort(events.begin(), events.end(),
                     [](const EventFigures& a, const EventFigures& b) {
                         const bool titleA = isTitleEvent(a.event.name);
                         return titleA != isTitleEvent(b.event.name) ? titleA : a.share > b.share;
                     });
    return events;
}

QString reachedText(const MissingFile& missing) {
    if (missing.event == story::creditsScene().event) {
        return QStringLiteral("played by a right press on the title");
    }
    return QStringLiteral("reached in %1 of stories").arg(percent(missing.share));
}

// The scripts in dat1/ of events the rules never start, by event name.
QStringList unplayedEvents(const ContentFolder& folder) {
    QStringList events;
    for (const QString& file :
         QDir(folder.dat1).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const QString event = file.chopped(ContentFolder::txt().size());
        if (!ruleEvents().contains(event)) {
            events.append(event);
        }
    }
    return events;
}

QString scriptMessage(const MissingFile& missing, const ContentFolder& folder,
                      const QStringList& unplayed) {
    QString message = QStringLiteral("missing script for event \"%1\": %2")
                          .arg(missing.event, reachedText(missing));
    const QString near = nearestName(missing.event, unplayed);
    if (!near.isEmpty()) {
        message +=
            QStringLiteral("; %1 is there: misnamed?").arg(folder.named(folder.script(near)));
    }
    return message;
}

// The pictures in dat2/, by name.
QStringList pictureNames(const ContentFolder& folder) {
    QStringList names;
    for (const QString& file :
         QDir(folder.dat2).entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name)) {
        names.append(QFileInfo(file).completeBaseName());
    }
    return names;
}

QString pictureMessage(const MissingFile& missing, const ContentFolder& folder,
                       const QStringList& pictures) {
    const QString name = QFileInfo(missing.path).completeBaseName();
    const QString shown = missing.role == QLatin1String("face picture")
                              ? QStringLiteral("shown with event")
                              : QStringLiteral("shown when event");
    const QString starts =
        missing.role == QLatin1String("face picture") ? QString() : QStringLiteral(" starts");
    QString message =
        QStringLiteral("missing %1 \"%2\", %3 \"%4\"%5, %6")
            .arg(missing.role, name, shown, missing.event, starts, reachedText(missing));
    const QString near = nearestName(name, pictures);
    if (!near.isEmpty()) {
        message +=
            QStringLiteral("; %1 is there: misnamed?").arg(folder.named(folder.picture(near)));
    }
    return message;
}

} // namespace

std::optional<Severity> severityWhenMissing(const EventFigures& figure) {
    if (isTitleEvent(figure.event.name) || figure.share >= errorShare) {
        return Severity::Error;
    }
    if (figure.share >= reportedShare) {
        return Severity::Warning;
    }
    return std::nullopt;
}

QList<MissingFile> missingFiles(const ContentFolder& folder, const StoryFigures& figures) {
    QList<MissingFile> missing;
    QSet<QString> pictures;
    for (const EventFigures& figure : byShare(figures)) {
        const std::optional<Severity> severity = severityWhenMissing(figure);
        if (!severity) {
            continue;
        }
        const ReachableEvent& event = figure.event;
        const auto add = [&](const QString& path, const char* role) {
            if (!QFileInfo(path).isFile()) {
                missing.append({path, QLatin1String(role), event.name, figure.share, *severity});
            }
        };
        add(folder.script(event.name), "script");
        for (const auto& [picture, role] :
             {std::pair{event.picture, "picture"}, std::pair{event.face, "face picture"}}) {
            if (!picture.isEmpty() && !pictures.contains(picture)) {
                pictures.insert(picture);
                add(folder.picture(picture), role);
            }
        }
    }
    return missing;
}

QList<Diagnostic> checkMissingFiles(const ContentFolder& folder, const StoryFigures& figures,
                                    const SimulationResult* simulated) {
    const QStringList unplayed = unplayedEvents(folder);
    const QStringList pictures = pictureNames(folder);
    QList<Diagnostic> diagnostics;
    for (const MissingFile& missing : missingFiles(folder, figures)) {
        QString message = missing.role == QLatin1String("script")
                              ? scriptMessage(missing, folder, unplayed)
                              : pictureMessage(missing, folder, pictures);
        if (simulated != nullptr && !isTitleEvent(missing.event)) {
            message += QStringLiteral(" (in %1 of %2 simulated stories)")
                           .arg(simulated->reached.value(missing.event))
                           .arg(simulated->stories);
        }
        diagnostics.append({missing.path, 0, 0, message, missing.severity});
    }
    return diagnostics;
}

QList<Diagnostic> checkUnplayedScripts(const ContentFolder& folder, const StoryFigures& figures) {
    QStringList reported;
    for (const EventFigures& figure : byShare(figures)) {
        if (severityWhenMissing(figure)) {
            reported.append(figure.event.name);
        }
    }
    QList<Diagnostic> diagnostics;
    for (const QString& event : unplayedEvents(folder)) {
        QString message =
            QStringLiteral("the game's rules never start an event \"%1\": this script is never "
                           "played")
                .arg(event);
        const QString near = nearestName(event, reported);
        message += near.isEmpty()
                       ? QStringLiteral(" (events are zoa, char<character><scene>, a_<scene>, "
                                        "b_<scene>, name_end and end)")
                       : QStringLiteral("; did you mean \"%1\"?").arg(near);
        diagnostics.append({folder.script(event), 0, 0, message, Severity::Warning});
    }
    return diagnostics;
}

} // namespace content
