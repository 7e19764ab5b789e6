#pragma once

#include "story/scene_selector.h"

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

namespace content {

// Scene numbers of normal play: one digit. Higher ones come only in long plays.
inline constexpr int lastNormalScene = 9;

// An event the game can start, with the pictures it shows when it starts.
struct ReachableEvent {
    QString name;
    QString picture;                    // empty when the event keeps the picture shown
    QString face;                       // empty when no face is shown
    int character = story::noCharacter; // the character met, whose face is shown
    int scene = 0;                      // the scene its draw gave; 0 for the title's events

    bool inNormalPlay() const { return scene <= lastNormalScene; }
};

// The events the title starts, as story::openingScene and story::creditsScene.
QList<ReachableEvent> titleEvents();

// An event an answer starts, with the pictures the game shows with it (story::scenePicture).
ReachableEvent answeredEvent(const QString& event, int character, int scene);

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
    int scene = 0;                      // the scene the draw gave
    StoryState next;
    double chance = 1; // among the ways of this selector value
};

// Every way an answer takes the story on from the state when the selector holds s, for a
// player who picks either caption with equal chance.
std::vector<StoryStep> storySteps(int s, const StoryState& from);

// The rules the figures are worked out for: the number of selector values, each drawn with the
// same chance, and the steps an answer takes under each. The game's own, or a test's.
struct StoryRules {
    int selectorValues = story::selectorValues;
    std::vector<StoryStep> (*steps)(int s, const StoryState& from) = &storySteps;
};

} // namespace content
