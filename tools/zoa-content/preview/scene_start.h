#pragma once

#include "figures/story_model.h"

#include <QString>

#include <cstdint>

class Fom;

namespace content {

// What a play starts with: the content and the scene, with the story's counters at its start.
struct PlayCommand {
    QString folder; // a game folder (dat1/ and dat2/) or a story's sources folder
    ReachableEvent event;
    story::Counters affinity{};
    std::uint8_t answers = 0;
    bool watch = false; // play again at each save of the folder's story files
};

// Carries the story on at the command's event in a game window that shows its title: with the
// counters and answer count given, the event's pictures, and the event played by the game.
void startPlay(Fom& fom, const PlayCommand& command);

// Ends whatever the window is playing and starts the command's event again as startPlay does,
// with the command's counters and the pictures and script read afresh.
void restartPlay(Fom& fom, const PlayCommand& command);

} // namespace content
