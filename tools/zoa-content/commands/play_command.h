#pragma once

#include "commands/command_line.h"
#include "figures/story_model.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class Fom;

namespace content {

struct PlayCommand {
    QString folder; // a game folder (dat1/ and dat2/) or a story's sources folder
    ReachableEvent event;
    story::Counters affinity{};
    std::uint8_t answers = 0;
    bool watch = false; // play the event again each time the folder's files are saved
};

// Reads playCommand's arguments into *command. Returns what is wrong with them, or an empty text.
QString parsePlayArguments(const QStringList& arguments, const QString& programFolder,
                           PlayCommand* command);

// Carries the story on at the command's event in a game window that shows its title: with the
// counters and answer count given, the event's pictures, and the event played by the game.
void startPlay(Fom& fom, const PlayCommand& command);

// Ends whatever the window is playing and starts the command's event again as startPlay does,
// with the command's counters and the pictures and script read afresh.
void restartPlay(Fom& fom, const PlayCommand& command);

// "zoa-content play": reads the arguments before any window opens, then plays the event in the
// game's window until it is closed. The exit status is 1 when the game cannot start (no title
// picture).
extern const Command playCommand;

} // namespace content
