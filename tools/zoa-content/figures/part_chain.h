#pragma once

#include "figures/story_model.h"
#include "figures/story_parts.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>

#include <vector>

namespace content {

// One part's run through the story, turn by turn, as a Markov chain over the story states the
// part's values reach: at each of its turns one of its values comes, each with the same chance,
// and the answer takes the story on. Turn 0 is the story's start; a run stops at the ending.
// Counted over every way the draws and the answers can go.
class PartChain {
public:
    PartChain(const StoryRules& rules, const StoryPart& part);

    // Turns counted so far.
    int turns() const { return static_cast<int>(turns_.size()) - 1; }
    void addTurn();

    // Chance that the run has not ended after turn k: its survival.
    double survival(int k) const { return turns_.at(k).survival; }
    // The events the turns counted so far can show, by index, in the order first met.
    const QStringList& events() const { return events_; }
    // Chance that turn k shows the event.
    double shown(int k, int event) const;
    // Chance that turn k - 1 shows one event and turn k the other, for each such pair.
    const QHash<QPair<int, int>, double>& followed(int k) const { return turns_.at(k).followed; }
    // Chance that turn k (from 1 to turns()) shows the event for the first time in the run: the
    // event's first passage.
    std::vector<double> firstPassage(int event) const;

private:
    struct Move {
        int event = 0;
        StoryState next;
        double chance = 0;
        bool ends = false;
    };
    // A state of the run with the event that led to it (-1 at the start).
    struct Place {
        StoryState state;
        int event = -1;
        bool operator==(const Place&) const = default;
    };
    friend std::size_t qHash(const Place& place, std::size_t seed) {
        return qHash(place.state, seed) ^ ::qHash(place.event, seed);
    }
    struct Turn {
        QHash<Place, double> places;
        std::vector<double> shown; // by event
        QHash<QPair<int, int>, double> followed;
        double survival = 1;
    };

    const std::vector<Move>& moves(const StoryState& state);
    int eventIndex(const QString& event);

    StoryRules rules_;
    std::vector<int> values_;
    std::vector<Turn> turns_;
    QStringList events_;
    QHash<QString, int> indexOf_;
    QHash<StoryState, std::vector<Move>> moves_;
};

} // namespace content
