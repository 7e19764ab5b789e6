#include "checks/check.h"

#include "checks/content_folder.h"
#include "checks/media_checks.h"
#include "checks/missing_files.h"
#include "checks/picture_descriptions.h"
#include "checks/picture_shapes.h"
#include "checks/script_checks.h"
#include "figures/figure_text.h"
#include "figures/simulation.h"
#include "figures/story_figures.h"
#include "pack/story_content.h"

#include <algorithm>

namespace content {

namespace {

QString counted(int count, const char* singular, const char* plural) {
    return QString::number(count) + QLatin1Char(' ') +
           QLatin1String(count == 1 ? singular : plural);
}

} // namespace

QList<Diagnostic> checkContent(const ContentFolder& folder, const CheckOptions& options,
                               media::MediaService* sounds) {
    QList<Diagnostic> diagnostics;
    if (options.plays > 0) {
        const SimulationResult simulated = simulateStories(options.plays, options.seed);
        diagnostics += checkMissingFiles(folder, storyFigures(), &simulated);
    } else {
        diagnostics += checkMissingFiles(folder, storyFigures());
    }
    diagnostics += checkUnplayedScripts(folder, storyFigures());
    std::optional<TextFit> fit;
    if (options.windows != nullptr) {
        fit.emplace(*options.windows);
    }
    const ScriptReport scripts = checkScripts(folder, fit ? &*fit : nullptr);
    diagnostics += scripts.diagnostics;
    diagnostics += checkFixedFiles(folder);
    diagnostics += checkPictures(folder, scripts.pictures);
    const QMap<QString, bool> shown = shownPictures(folder, storyFigures(), scripts.pictures);
    if (options.windows != nullptr) {
        diagnostics += checkPictureShapes(shown, *options.windows);
    }
    diagnostics += checkDescriptions(folder, shown);
    if (sounds != nullptr) {
        diagnostics += checkSounds(folder, *sounds);
    }
    sortDiagnostics(diagnostics);
    return diagnostics;
}

QList<Diagnostic> checkStory(const StoryContent& content, const CheckOptions& options,
                             media::MediaService* sounds) {
    QList<Diagnostic> diagnostics = content.packDiagnostics();
    if (hasErrors(diagnostics)) {
        return diagnostics;
    }
    ContentFolder folder(content.gameFolder());
    folder.named = [&content](const QString& path) { return content.authorPath(path); };
    folder.packed = content.fromSources();
    for (Diagnostic checked : checkContent(folder, options, sounds)) {
        checked.file = content.authorPath(checked.file);
        diagnostics.append(checked);
    }
    sortDiagnostics(diagnostics);
    return diagnostics;
}

void sortDiagnostics(QList<Diagnostic>& diagnostics) {
    std::stable_sort(diagnostics.begin(), diagnostics.end(),
                     [](const Diagnostic& a, const Diagnostic& b) {
                         const int files = a.file.compare(b.file);
                         return files != 0 ? files < 0 : a.line < b.line;
                     });
}

SeverityCounts countSeverities(const QList<Diagnostic>& diagnostics) {
    SeverityCounts counts;
    for (const Diagnostic& diagnostic : diagnostics) {
        switch (diagnostic.severity) {
        case Severity::Error:
            ++counts.errors;
            break;
        case Severity::Warning:
            ++counts.warnings;
            break;
        case Severity::Note:
            ++counts.notes;
            break;
        }
    }
    return counts;
}

QString storyLengthLine(const StoryFigures& figures) {
    return QStringLiteral("zoa-content check: the ending comes after %1 answers on average (half "
                          "the stories by %2, 90% by %3, 99% by %4)")
        .arg(readableFigure(figures.meanAnswers))
        .arg(figures.answersByHalf)
        .arg(figures.answersBy90)
        .arg(figures.answersBy99);
}

QString summaryLine(const SeverityCounts& counts) {
    return QStringLiteral("zoa-content check: ") + counted(counts.errors, "error", "errors") +
           QStringLiteral(", ") + counted(counts.warnings, "warning", "warnings") +
           QStringLiteral(", ") + counted(counts.notes, "note", "notes");
}

} // namespace content
