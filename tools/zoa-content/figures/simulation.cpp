#include "figures/simulation.h"

#include "host/random_source.h"
#include "story/scene_selector.h"

#include <QSet>

namespace content {

namespace {

// A guard only: a story ends after about twenty answers on average.
constexpr int maxAnswersPerStory = 1000000;

// One story from the title press to the ending. Returns the events it met.
QSet<QString> playStory(host::RandomSource& random) {
    QSet<QString> reached;
    story::Counters affinity{};
    std::uint8_t answers = 0;
    int s = host::uniformIndex(random.next(), story::selectorValues);
    for (int step = 0; step < maxAnswersPerStory; ++step) {
        // The game puts caption "a" on a random one of the two choices; the player picks one.
        const int placedA = host::uniformIndex(random.next(), 2);
        const int picked = host::uniformIndex(random.next(), 2);
        const QString key = picked == placedA ? story::answerA : story::answerB;
        const story::SceneDraw draw = story::drawScene(s, affinity, random);
        s = host::uniformIndex(random.next(), story::selectorValues);
        const QString event = story::answeredScene(draw, key, answers).event;
        reached.insert(event);
        if (event == story::endingEventName) {
            break;
        }
    }
    return reached;
}

} // namespace

SimulationResult simulateStories(int stories, std::uint32_t seed) {
    host::SeededRandom random(seed);
    SimulationResult result;
    result.stories = stories;
    for (int i = 0; i < stories; ++i) {
        for (const QString& name : playStory(random)) {
            ++result.reached[name];
        }
    }
    return result;
}

} // namespace content
