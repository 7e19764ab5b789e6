#pragma once

#include "figures/story_model.h"

#include <QList>
#include <QMap>
#include <QString>

// The exact figures of a story by the rules, for a player who picks either caption with equal
// chance. How they are worked out, from the story model to the figures:
//
// 1. The story model (story_model) gives every step an answer can take from a story state (the
//    five counters and the answer count) under each selector value, with its chance.
// 2. The selector values fall into parts (story_parts): values that touch separate components of
//    the state and start separate events, so that each part's run through a story can be
//    followed alone. One part holds the ending.
// 3. Each part's run is a Markov chain over its states (part_chain), followed turn by turn: the
//    chance of each event at each turn, of each event following another, and the survival (the
//    chance that the run has not ended after k turns; only the ending part's can end).
// 4. The parts' turns interleave at random, in proportion to their numbers of values
//    (interleaving): from the ending part's survival follows, for each turn of another part, the
//    chance that the turn comes before the story ends.
// 5. An event's share of stories is the sum over the turns of the chance that it is shown there
//    for the first time (its first passage) times the chance that the turn comes; the chances of
//    the steps between events are summed the same way, and the answers up to the ending follow
//    from the ending part's survival and the other parts' turns interleaved before it.
//
// Chances below storyFiguresCut are left out.

namespace content {

// Chances below this are left out: the figures count stories up to the length where no more than
// this much chance is left.
inline constexpr double storyFiguresCut = 1e-12;

struct EventFigures {
    ReachableEvent event;
    double share = 0; // of stories that reach the event
};

struct StepFigures {
    QString from;
    QString to;
    double chance = 0; // that an answer at `from` leads to `to`
};

// Figures of the story, exact but for the cut, for content whose every event but the last ends
// in a choice.
struct StoryFigures {
    QMap<QString, EventFigures> events; // the title's and every event reached in a story
    QList<StepFigures> steps;           // from each event an answer leaves, to each it can reach
    double meanAnswers = 0;             // answers given up to the ending, on average
    int answersByHalf = 0;              // answers by which half the stories have ended
    int answersBy90 = 0;                // ... 90% of them
    int answersBy99 = 0;                // ... 99% of them
};

// The figures of the given rules. Throws std::logic_error when no selector value can lead to the
// ending: the figures count stories up to their end.
StoryFigures computeStoryFigures(const StoryRules& rules);

// The figures of the game's own rules, computed once.
const StoryFigures& storyFigures();

} // namespace content
