#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"
#include "checks/game_windows.h"
#include "figures/story_figures.h"

#include <QList>
#include <QStringList>

namespace content {

// A warning for each picture of another shape than the place the game shows it in, which
// stretches it to fill that place: the title picture, the scenes' pictures and those of picture
// lines (named) in the main picture, the faces in the face picture. It says the size the place
// has on the largest screen.
QList<Diagnostic> checkPictureShapes(const ContentFolder& folder, const StoryFigures& figures,
                                     const QStringList& named, const GameWindows& windows);

} // namespace content
