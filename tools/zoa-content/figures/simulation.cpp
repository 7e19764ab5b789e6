#include "figures/simulation.h"

#include "checks/reachability.h"
#include "platform/random_source.h"
#include "story/scene_selector.h"

#include <QMap>
#include <QSet>

namespace content {

namespace {

// A guard only: a story ends after about twenty answers on average.
constexpr int maxAnswersPerStory = 1000000;

// One story from the title press to the ending. Returns the events it met.
QSet<QString> playStory(platform::RandomSource& random) {
    QSet<QString> reached;
    story::Counters affinity{};
    std::uint8_t answers = 0;
    int s = platform::uniformIndex(random.next(), selectorValues);
    for (int step = 0; step < maxAnswersPerStory; ++step) {
        // The game puts caption "a" on a random one of the two choices; the player picks one.
        const int placedA = platform::uniformIndex(random.next(), 2);
        const int picked = platform::uniformIndex(random.next(), 2);
        const story::SceneDraw draw = story::drawScene(s, affinity, random);
        s = platform::uniformIndex(random.next(), selectorValues);
        if (draw.character != story::noCharacter) {
            reached.insert(story::characterEventName(draw.character, draw.scene));
            continue;
        }
        const QString key = picked == placedA ? QStringLiteral("a") : QStringLiteral("b");
        const QString event = story::answerEvent(key, draw.scene, answers);
        reached.insert(event);
        if (event == story::endingEventName) {
            break;
        }
    }
    return reached;
}

} // namespace

QHash<QString, int> sampleStories(int stories, std::uint32_t seed) {
    platform::SeededRandom random(seed);
    QHash<QString, int> counts;
    for (int i = 0; i < stories; ++i) {
        for (const QString& name : playStory(random)) {
            ++counts[name];
        }
    }
    return counts;
}

SimulationResult simulateStories(int stories, std::uint32_t seed) {
    QSet<QString> normalPlay;
    for (const ReachableEvent& event : normalPlayEvents()) {
        normalPlay.insert(event.name);
    }
    const QHash<QString, int> counts = sampleStories(stories, seed);
    QMap<QString, int> longPlay;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (!normalPlay.contains(it.key())) {
            longPlay.insert(it.key(), it.value());
        }
    }
    SimulationResult result;
    result.stories = stories;
    for (auto it = longPlay.cbegin(); it != longPlay.cend(); ++it) {
        result.events.append({it.key(), it.value()});
    }
    return result;
}

} // namespace content
