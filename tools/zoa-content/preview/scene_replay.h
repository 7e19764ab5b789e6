#pragma once

#include "commands/play_command.h"
#include "preview/folder_watcher.h"

#include <QObject>

class Fom;

namespace content {

class PlayContent;

// Plays the command's scene again in the window, from its start and with the command's counters,
// each time a file of the content is saved and the content packs without errors. When it does
// not, the window plays on as it was. A child of the window, so that it ends with it.
class SceneReplay : public QObject {
    Q_OBJECT
public:
    SceneReplay(Fom& fom, PlayCommand command, PlayContent& content);

private:
    void replay();

    Fom& fom_;
    PlayCommand command_;
    PlayContent& content_;
    FolderWatcher watcher_;
};

} // namespace content
