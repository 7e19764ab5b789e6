#pragma once

#include "figures/story_model.h"

#include <QList>
#include <QMap>
#include <QString>

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

// Figures of the story by the game's rules, exact but for the cut, for a player who picks either
// caption with equal chance and content whose every event but the last ends in a choice.
struct StoryFigures {
    QMap<QString, EventFigures> events; // the title's and every event reached in a story
    QList<StepFigures> steps;           // from each event an answer leaves, to each it can reach
    double meanAnswers = 0;             // answers given up to the ending, on average
    int answersByHalf = 0;              // answers by which half the stories have ended
    int answersBy90 = 0;                // ... 90% of them
    int answersBy99 = 0;                // ... 99% of them
};

StoryFigures computeStoryFigures();

// The figures, computed once.
const StoryFigures& storyFigures();

} // namespace content
