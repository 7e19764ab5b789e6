#include "preview/scene_replay.h"

#include "pack/play_content.h"
#include "window/fom.h"

namespace content {

SceneReplay::SceneReplay(Fom& fom, PlayCommand command, PlayContent& content)
    : QObject(&fom)
    , fom_(fom)
    , command_(std::move(command))
    , content_(content)
    , watcher_(content.watchedFolders()) {
    connect(&watcher_, &FolderWatcher::changed, this, &SceneReplay::replay);
}

void SceneReplay::replay() {
    if (content_.pack()) {
        restartPlay(fom_, command_);
    }
}

} // namespace content
