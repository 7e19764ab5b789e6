#pragma once

#include "preview/folder_watcher.h"
#include "preview/scene_start.h"

#include <QObject>

#include <cstdio>

class Fom;

namespace content {

class StoryContent;

// Plays the command's scene again in the window, from its start and with the command's counters,
// each time a file of the content is saved and the content packs without errors. When it does
// not, the window plays on as it was. A child of the window, so that it ends with it.
class SceneReplay : public QObject {
    Q_OBJECT
public:
    // What each pack finds is written to report.
    SceneReplay(Fom& fom, PlayCommand command, StoryContent& content, std::FILE* report = stderr);

private:
    void replay();

    Fom& fom_;
    PlayCommand command_;
    StoryContent& content_;
    std::FILE* report_;
    FolderWatcher watcher_;
};

} // namespace content
