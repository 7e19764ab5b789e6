#pragma once

#include "story/scene_selector.h"

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

namespace content {

// The scene selector's values: 0 to 9, each drawn with the same chance.
inline constexpr int selectorValues = 10;

// An event the game can start, with the pictures it shows when it starts.
struct ReachableEvent {
    QString name;
    QString picture;                    // empty when the event keeps the picture shown ("end")
    QString face;                       // empty when no face is shown
    int character = story::noCharacter; // the character met, whose face is shown
};

// The events the title starts: "zoa" opens a story, "end" plays on its right button over the
// title picture.
QList<ReachableEvent> titleEvents();

// An event an answer starts, with the pictures the choice resolution shows: a meeting shows the
// character's picture and face, any other event the picture of its own name.
ReachableEvent answeredEvent(const QString& event, int character);

// What the story carries from one answer to the next: the five counters and the count of
// answers "a" given after answer draws.
struct StoryState {
    story::Counters counters{};
    std::uint8_t answers = 0;
    bool operator==(const StoryState&) const = default;
};

std::size_t qHash(const StoryState& state, std::size_t seed = 0);

// One way a selector value can turn out from given counters, with its chance.
struct SelectorOutcome {
    story::SceneDraw draw;
    story::Counters counters;
    double chance = 1;
};

// Every way selector value s can turn out from the counters, by the game's own table: one
// outcome when the row draws no random number, else one for each scene it can draw.
std::vector<SelectorOutcome> selectorOutcomes(int s, const story::Counters& from);

// One way an answer can take the story on when the selector holds a given value.
struct StoryStep {
    QString event;                      // the event the answer starts
    int character = story::noCharacter; // the character met, whose face the event shows
    StoryState next;
    double chance = 1; // among the ways of this selector value
};

// Every way an answer takes the story on from the state when the selector holds s, for a
// player who picks either caption with equal chance.
std::vector<StoryStep> storySteps(int s, const StoryState& from);

} // namespace content
