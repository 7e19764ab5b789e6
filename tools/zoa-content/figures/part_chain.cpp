#include "figures/part_chain.h"

namespace content {

PartChain::PartChain(const StoryRules& rules, const StoryPart& part)
    : rules_(rules)
    , values_(part.values) {
    Turn start;
    start.places.insert({StoryState{}, -1}, 1.0);
    turns_.push_back(start);
}

int PartChain::eventIndex(const QString& event) {
    const auto it = indexOf_.constFind(event);
    if (it != indexOf_.cend()) {
        return *it;
    }
    events_.append(event);
    return *indexOf_.insert(event, static_cast<int>(events_.size()) - 1);
}

const std::vector<PartChain::Move>& PartChain::moves(const StoryState& state) {
    auto it = moves_.constFind(state);
    if (it != moves_.cend()) {
        return *it;
    }
    std::vector<Move> moves;
    const double valueChance = 1.0 / static_cast<double>(values_.size());
    for (const int s : values_) {
        for (const StoryStep& step : rules_.steps(s, state)) {
            moves.push_back({eventIndex(step.event), step.next, valueChance * step.chance,
                             step.event == story::endingEventName});
        }
    }
    return *moves_.insert(state, std::move(moves));
}

void PartChain::addTurn() {
    Turn next;
    next.survival = 0;
    const QHash<Place, double>& places = turns_.back().places;
    for (auto it = places.cbegin(); it != places.cend(); ++it) {
        for (const Move& move : moves(it.key().state)) {
            const double chance = it.value() * move.chance;
            next.shown.resize(std::max(next.shown.size(), std::size_t(move.event) + 1), 0.0);
            next.shown[move.event] += chance;
            if (it.key().event >= 0) {
                next.followed[{it.key().event, move.event}] += chance;
            }
            if (!move.ends) {
                next.places[{move.next, move.event}] += chance;
                next.survival += chance;
            }
        }
    }
    turns_.push_back(std::move(next));
}

double PartChain::shown(int k, int event) const {
    const std::vector<double>& shown = turns_.at(k).shown;
    return std::size_t(event) < shown.size() ? shown[event] : 0.0;
}

std::vector<double> PartChain::firstPassage(int event) const {
    std::vector<double> first(turns_.size(), 0.0);
    QHash<StoryState, double> unseen{{StoryState{}, 1.0}};
    for (std::size_t k = 1; k < turns_.size(); ++k) {
        QHash<StoryState, double> next;
        for (auto it = unseen.cbegin(); it != unseen.cend(); ++it) {
            // Every state a turn before the last reaches has had its moves counted.
            for (const Move& move : *moves_.constFind(it.key())) {
                if (move.event == event) {
                    first[k] += it.value() * move.chance;
                } else if (!move.ends) {
                    next[move.next] += it.value() * move.chance;
                }
            }
        }
        unseen = std::move(next);
    }
    return first;
}

} // namespace content
