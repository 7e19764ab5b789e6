#include "figures/story_figures.h"

#include "figures/interleaving.h"
#include "figures/part_chain.h"
#include "figures/story_parts.h"

#include <QHash>

#include <algorithm>
#include <stdexcept>

namespace content {

namespace {

// A guard for rules under which a story might never end: no turns beyond this.
constexpr int turnLimit = 100000;

// The event every story starts with.
QString titleEvent() {
    return story::openingScene().event;
}

// A part's run with its share of the selector values and, at each of its turns, the chance that
// the turn comes before the story ends. The ending part's own run stops at the ending, so each
// of its turns counts in full.
struct PartRun {
    const StoryPart* part;
    PartChain chain;
    double weight = 0;
    std::vector<double> turnComes;
};

std::vector<double> survivalOf(const PartChain& chain) {
    std::vector<double> survival;
    for (int k = 0; k <= chain.turns(); ++k) {
        survival.push_back(chain.survival(k));
    }
    return survival;
}

void runEndingPart(PartRun& run) {
    while (run.chain.survival(run.chain.turns()) >= storyFiguresCut &&
           run.chain.turns() < turnLimit) {
        run.chain.addTurn();
    }
    run.turnComes.assign(run.chain.turns() + 1, 1.0);
}

// Runs a part for as many turns as come before the end with more than the cut.
void runOtherPart(PartRun& run, const PartRun& ending) {
    const std::vector<double> endingSurvival = survivalOf(ending.chain);
    int turns = 16;
    for (;;) {
        run.turnComes = chanceTurnsCome(run.weight, ending.weight, turns, endingSurvival);
        if (run.turnComes.back() < storyFiguresCut || turns >= turnLimit) {
            break;
        }
        turns *= 2;
    }
    while (run.turnComes.size() > 1 && run.turnComes.back() < storyFiguresCut) {
        run.turnComes.pop_back();
    }
    while (run.chain.turns() < static_cast<int>(run.turnComes.size()) - 1) {
        run.chain.addTurn();
    }
}

// The runs of all parts; the part that holds the ending comes first.
std::vector<PartRun> runParts(const StoryRules& rules, const std::vector<StoryPart>& parts) {
    const auto ending = std::find_if(parts.begin(), parts.end(), [](const StoryPart& part) {
        return part.events.contains(story::endingEventName);
    });
    if (ending == parts.end()) {
        throw std::logic_error("no selector value leads to the ending: stories never end");
    }
    std::vector<PartRun> runs;
    for (const StoryPart& part : parts) {
        PartRun run{&part, PartChain(rules, part), static_cast<double>(part.values.size()), {}};
        runs.insert(&part == &*ending ? runs.begin() : runs.end(), std::move(run));
    }
    runEndingPart(runs.front());
    for (std::size_t i = 1; i < runs.size(); ++i) {
        runOtherPart(runs[i], runs.front());
    }
    return runs;
}

double sumOver(const std::vector<double>& chances, const std::vector<double>& turnComes) {
    double sum = 0;
    for (std::size_t k = 1; k < chances.size() && k < turnComes.size(); ++k) {
        sum += chances[k] * turnComes[k];
    }
    return sum;
}

// How often each event comes on average, and how often each answer leads from one to another.
class StepCounts {
public:
    void add(const QString& from, const QString& to, double count) { steps_[{from, to}] += count; }
    void addVisits(const QString& event, double count) { visits_[event] += count; }

    QList<StepFigures> steps(const QMap<QString, EventFigures>& events) const {
        QList<StepFigures> steps;
        for (auto it = steps_.cbegin(); it != steps_.cend(); ++it) {
            const QString& from = it.key().first;
            const QString& to = it.key().second;
            if (events.contains(from) && events.contains(to) && visits_.value(from) > 0) {
                steps.append({from, to, it.value() / visits_.value(from)});
            }
        }
        std::sort(steps.begin(), steps.end(), [](const StepFigures& a, const StepFigures& b) {
            return a.from != b.from ? a.from < b.from : a.chance > b.chance;
        });
        return steps;
    }

private:
    QHash<QPair<QString, QString>, double> steps_;
    QHash<QString, double> visits_;
};

void countEvents(const PartRun& run, QMap<QString, EventFigures>& events, StepCounts& counts) {
    const PartChain& chain = run.chain;
    for (int e = 0; e < chain.events().size(); ++e) {
        std::vector<double> shown;
        for (int k = 0; k <= chain.turns(); ++k) {
            shown.push_back(chain.shown(k, e));
        }
        const QString& name = chain.events().at(e);
        counts.addVisits(name, sumOver(shown, run.turnComes));
        const double share = sumOver(chain.firstPassage(e), run.turnComes);
        if (share >= storyFiguresCut) {
            events.insert(name, {run.part->events.value(name), share});
        }
    }
}

// The story's first answer: a turn of any part.
void countFirstSteps(const PartRun& run, double values, StepCounts& counts) {
    for (int e = 0; e < run.chain.events().size(); ++e) {
        counts.add(titleEvent(), run.chain.events().at(e),
                   run.weight / values * run.chain.shown(1, e));
    }
}

// An answer followed by the next turn of the same part.
void countStepsWithin(const PartRun& run, double values, StepCounts& counts) {
    const PartChain& chain = run.chain;
    for (int k = 2; k <= chain.turns(); ++k) {
        const auto& followed = chain.followed(k);
        for (auto it = followed.cbegin(); it != followed.cend(); ++it) {
            counts.add(chain.events().at(it.key().first), chain.events().at(it.key().second),
                       it.value() * run.turnComes[k - 1] * run.weight / values);
        }
    }
}

// An answer at a turn of one part followed by a turn of another: weighs each pair of turns k of
// `from` and l + 1 of `to` by the chance that `to` has had l turns when the k-th of `from` comes.
void countStepsBetween(const PartRun& from, const PartRun& to, const ChanceTable& before,
                       double values, StepCounts& counts) {
    const PartChain& a = from.chain;
    const PartChain& b = to.chain;
    for (int x = 0; x < a.events().size(); ++x) {
        if (a.events().at(x) == story::endingEventName) {
            continue;
        }
        std::vector<double> atTurns(b.turns(), 0.0); // [l]: x at some turn of a after l of b
        for (int k = 1; k <= a.turns(); ++k) {
            for (int l = 0; l < b.turns(); ++l) {
                atTurns[l] += a.shown(k, x) * before[k][l];
            }
        }
        for (int y = 0; y < b.events().size(); ++y) {
            double count = 0;
            for (int l = 0; l < b.turns(); ++l) {
                count += atTurns[l] * b.shown(l + 1, y);
            }
            counts.add(a.events().at(x), b.events().at(y), count * to.weight / values);
        }
    }
}

void countSteps(const std::vector<PartRun>& runs, double values, StepCounts& counts) {
    const PartRun& ending = runs.front();
    const std::vector<double> endingSurvival = survivalOf(ending.chain);
    for (const PartRun& from : runs) {
        countFirstSteps(from, values, counts);
        countStepsWithin(from, values, counts);
        for (const PartRun& to : runs) {
            if (&from == &to) {
                continue;
            }
            const int fromTurns = from.chain.turns();
            const int toTurns = to.chain.turns() - 1;
            const bool endingTakesPart = &from == &ending || &to == &ending;
            const ChanceTable before =
                endingTakesPart ? turnsBefore(from.weight, to.weight, fromTurns, toTurns)
                                : turnsBeforeTheEnd(from.weight, to.weight, ending.weight,
                                                    fromTurns, toTurns, endingSurvival);
            countStepsBetween(from, to, before, values, counts);
        }
    }
}

// The number of answers up to the ending: the ending part's turn that ends the story plus the
// other parts' turns before it.
void countAnswers(const PartRun& ending, double values, StoryFigures& figures) {
    const PartChain& chain = ending.chain;
    const double others = values - ending.weight;
    std::vector<double> answers;
    for (int otherTurns = 2 * chain.turns();; otherTurns *= 2) {
        const ChanceTable before = turnsBefore(ending.weight, others, chain.turns(), otherTurns);
        answers.assign(chain.turns() + otherTurns + 1, 0.0);
        double total = 0;
        for (int j = 1; j <= chain.turns(); ++j) {
            const double endsHere = chain.survival(j - 1) - chain.survival(j);
            for (int n = 0; n <= otherTurns; ++n) {
                answers[j + n] += endsHere * before[j][n];
                total += endsHere * before[j][n];
            }
        }
        if (total >= 1 - chain.survival(chain.turns()) - storyFiguresCut ||
            otherTurns >= turnLimit) {
            break;
        }
    }
    double reached = 0;
    const auto by = [&answers](double share) {
        double sum = 0;
        for (std::size_t t = 0; t < answers.size(); ++t) {
            sum += answers[t];
            if (sum >= share) {
                return static_cast<int>(t);
            }
        }
        return static_cast<int>(answers.size()) - 1;
    };
    for (std::size_t t = 0; t < answers.size(); ++t) {
        figures.meanAnswers += static_cast<double>(t) * answers[t];
        reached += answers[t];
    }
    figures.meanAnswers /= reached;
    figures.answersByHalf = by(0.5 * reached);
    figures.answersBy90 = by(0.9 * reached);
    figures.answersBy99 = by(0.99 * reached);
}

} // namespace

StoryFigures computeStoryFigures(const StoryRules& rules) {
    StoryFigures figures;
    const std::vector<StoryPart> parts = findStoryParts(rules);
    const std::vector<PartRun> runs = runParts(rules, parts);
    const double values = rules.selectorValues;
    for (const ReachableEvent& event : titleEvents()) {
        figures.events.insert(event.name, {event, event.name == titleEvent() ? 1.0 : 0.0});
    }
    StepCounts counts;
    counts.addVisits(titleEvent(), 1.0);
    for (const PartRun& run : runs) {
        countEvents(run, figures.events, counts);
    }
    countSteps(runs, values, counts);
    figures.steps = counts.steps(figures.events);
    countAnswers(runs.front(), values, figures);
    return figures;
}

const StoryFigures& storyFigures() {
    static const StoryFigures figures = computeStoryFigures(StoryRules());
    return figures;
}

} // namespace content
