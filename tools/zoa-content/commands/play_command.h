#pragma once

#include "figures/story_model.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class Fom;

namespace content {

struct PlayCommand {
    QString folder; // holds dat1/ and dat2/
    ReachableEvent event;
    story::Counters affinity{};
    std::uint8_t answers = 0;
    bool help = false;
};

// Reads "EVENT [FOLDER] [--affinity A0,A1,A2,A3,A4] [--answers N]" into *command. Returns what
// is wrong with the arguments, or an empty text.
QString parsePlayArguments(const QStringList& arguments, const QString& programFolder,
                           PlayCommand* command);

// Carries the story on at the command's event in a game window that shows its title: with the
// counters and answer count given, the event's pictures, and the event played by the game.
void startPlay(Fom& fom, const PlayCommand& command);

// "zoa-content play": reads the arguments before any window opens, then plays the event in the
// game's window until it is closed. Returns the exit status: usageError for a wrong command
// line, 1 when the game cannot start (no title picture), else 0.
int runPlayCommand(int argc, char* argv[]);

} // namespace content
