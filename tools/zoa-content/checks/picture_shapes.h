#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"
#include "checks/game_windows.h"
#include "figures/story_figures.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace content {

// Every picture file the game shows, each with true when it is shown as a face: the title
// picture, the pictures of picture lines (named) and of the events whose missing files check
// reports in the main picture, the faces of those events in the face picture.
QMap<QString, bool> shownPictures(const ContentFolder& folder, const StoryFigures& figures,
                                  const QStringList& named);

// A warning for each picture shown (shownPictures) of another shape than the place the game
// shows it in, which stretches it to fill that place. It says the size the place has on the
// largest screen.
QList<Diagnostic> checkPictureShapes(const QMap<QString, bool>& shown, const GameWindows& windows);

} // namespace content
