#pragma once

#include "checks/diagnostic.h"
#include "preview/folder_watcher.h"
#include "preview/scene_start.h"

#include <QObject>
#include <QStringList>

#include <cstdio>
#include <optional>

class Fom;

namespace content {

class FindingStrip;
class GameWindows;
class StoryContent;

// The preview while writing. At each save of the story's files it packs the content again,
// writes every finding check makes for the files saved (and the errors that keep the content
// from packing) to report, shows the errors in a strip over the window, and plays again the
// scene the save concerns: the scene of the script saved, with the counters that reach it (the
// command's, for the command's own scene), or, for a picture, its description or a sound (or
// many files at once), the scene being played.
// A save that does not pack leaves the window playing as it was. A child of the window, so that
// it ends with it.
class SceneReplay : public QObject {
    Q_OBJECT
public:
    // Text and pictures are measured in the windows given; none: they are not.
    SceneReplay(Fom& fom, PlayCommand command, StoryContent& content,
                const GameWindows* windows = nullptr, std::FILE* report = stderr);

private:
    void replay(const QStringList& files);
    QList<Diagnostic> findings(const QStringList& files, bool packed) const;
    std::optional<PlayCommand> sceneOf(const QStringList& files) const;
    PlayCommand currentScene() const;

    Fom& fom_;
    PlayCommand command_;
    StoryContent& content_;
    const GameWindows* windows_;
    std::FILE* report_;
    FolderWatcher watcher_;
    FindingStrip* strip_;
};

} // namespace content
