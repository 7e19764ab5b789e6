#pragma once

#include "commands/command_line.h"
#include "preview/scene_start.h"

#include <QString>
#include <QStringList>

namespace content {

// Reads playCommand's arguments into *command. Returns what is wrong with them, or an empty text.
QString parsePlayArguments(const QStringList& arguments, const QString& programFolder,
                           PlayCommand* command);

// "zoa-content play": reads the arguments before any window opens, then plays the event in the
// game's window until it is closed. The exit status is 1 when the game cannot start (no title
// picture).
extern const Command playCommand;

} // namespace content
