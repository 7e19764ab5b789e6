#include "preview/scene_replay.h"

#include "pack/story_content.h"
#include "window/fom.h"

namespace content {

SceneReplay::SceneReplay(Fom& fom, PlayCommand command, StoryContent& content, std::FILE* report)
    : QObject(&fom)
    , fom_(fom)
    , command_(std::move(command))
    , content_(content)
    , report_(report)
    , watcher_(content.watchedFolders()) {
    connect(&watcher_, &FolderWatcher::changed, this, &SceneReplay::replay);
}

void SceneReplay::replay() {
    const bool packed = content_.pack();
    printDiagnostics(content_.packDiagnostics(), report_);
    if (packed) {
        restartPlay(fom_, command_);
    }
}

} // namespace content
