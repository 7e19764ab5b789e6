#include "preview/scene_replay.h"

#include "checks/check.h"
#include "figures/rule_events.h"
#include "figures/story_reach.h"
#include "pack/story_content.h"
#include "pack/story_pack.h"
#include "preview/finding_strip.h"
#include "window/fom.h"

#include <QDir>
#include <QFileInfo>

namespace content {

namespace {

bool isStoryFile(const QFileInfo& file) {
    const SourceKind kind = kindOf(file);
    return kind != SourceKind::Skipped && kind != SourceKind::Unknown;
}

QStringList cleanPaths(QStringList paths) {
    for (QString& path : paths) {
        path = QDir::cleanPath(path);
    }
    return paths;
}

} // namespace

SceneReplay::SceneReplay(Fom& fom, PlayCommand command, StoryContent& content,
                         const GameWindows* windows, std::FILE* report)
    : QObject(&fom)
    , fom_(fom)
    , command_(std::move(command))
    , content_(content)
    , windows_(windows)
    , report_(report)
    , watcher_(content.watchedFolders(), &isStoryFile)
    , strip_(new FindingStrip(&fom)) {
    connect(&watcher_, &FolderWatcher::saved, this, &SceneReplay::replay);
}

void SceneReplay::replay(const QStringList& files) {
    const bool packed = content_.pack();
    const QList<Diagnostic> found = findings(cleanPaths(files), packed);
    printDiagnostics(found, report_);
    strip_->tell(found);
    if (!packed) {
        return;
    }
    const std::optional<PlayCommand> scene = sceneOf(files);
    restartPlay(fom_, scene ? *scene : currentScene());
}

// What the pack and check find in the files saved, and every error that keeps the content from
// packing.
QList<Diagnostic> SceneReplay::findings(const QStringList& files, bool packed) const {
    CheckOptions options;
    options.windows = windows_;
    const QList<Diagnostic> all =
        packed ? checkStory(content_, options, nullptr) : content_.packDiagnostics();
    QList<Diagnostic> found;
    for (const Diagnostic& finding : all) {
        if (files.contains(QDir::cleanPath(finding.file)) ||
            (!packed && finding.severity == Severity::Error)) {
            found.append(finding);
        }
    }
    return found;
}

// The scene of the script saved, when one is and an event of the rules has it, with the counters
// that reach it. Several saved at once (a folder copied or made again) tell no one scene.
std::optional<PlayCommand> SceneReplay::sceneOf(const QStringList& files) const {
    QStringList events;
    for (const QString& file : files) {
        const QFileInfo packed(content_.packedPath(file));
        if (packed.dir().dirName() == QLatin1String("dat1")) {
            events.append(packed.completeBaseName());
        }
    }
    if (events.size() != 1 || !ruleEvents().contains(events.constFirst())) {
        return std::nullopt;
    }
    const QString& event = events.constFirst();
    if (event == command_.event.name) {
        return command_;
    }
    const std::optional<StoryState> state = stateReaching(event);
    PlayCommand scene = command_;
    scene.event = ruleEvents().value(event);
    scene.affinity = state ? state->counters : story::Counters{};
    scene.answers = state ? state->answers : 0;
    return scene;
}

// The scene the window plays, with the counters it started with: they change only when it is
// answered, and then the next scene starts.
PlayCommand SceneReplay::currentScene() const {
    if (!ruleEvents().contains(fom_.eventName)) {
        return command_;
    }
    PlayCommand scene = command_;
    scene.event = ruleEvents().value(fom_.eventName);
    scene.affinity = fom_.affinity;
    scene.answers = fom_.answerCount;
    return scene;
}

} // namespace content
