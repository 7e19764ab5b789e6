#include "simulation.h"

#include "platform/random_source.h"
#include "reachability.h"
#include "story/scene_selector.h"

#include <QFileInfo>
#include <QMap>
#include <QSet>

namespace content {

namespace {

// A guard only: a story ends after about twenty answers on average.
constexpr int maxAnswersPerStory = 1000000;

// One story from the title press to the ending. Returns the events past normal play it met.
QSet<QString> playStory(platform::RandomSource& random) {
    QSet<QString> reached;
    story::Counters affinity{};
    int answers = 0;
    int s = platform::uniformIndex(random.next(), selectorValues);
    for (int step = 0; step < maxAnswersPerStory; ++step) {
        // The game puts caption "a" on a random one of the two choices; the player picks one.
        const int placedA = platform::uniformIndex(random.next(), 2);
        const int picked = platform::uniformIndex(random.next(), 2);
        const story::SceneDraw draw = story::drawScene(s, affinity, random);
        s = platform::uniformIndex(random.next(), selectorValues);
        if (draw.character != story::noCharacter) {
            if (draw.scene > lastNormalScene) {
                reached.insert(story::characterEventName(draw.character, draw.scene));
            }
            continue;
        }
        if (picked == placedA && ++answers >= story::answersToEnding) {
            break;
        }
    }
    return reached;
}

QString share(int count, int stories) {
    const double percent = 100.0 * count / stories;
    if (percent < 0.05) {
        return QStringLiteral("less than 0.1%");
    }
    return QString::number(percent, 'f', 1) + QLatin1Char('%');
}

} // namespace

SimulationResult simulateStories(int stories, std::uint32_t seed) {
    platform::SeededRandom random(seed);
    QMap<QString, int> counts;
    for (int i = 0; i < stories; ++i) {
        for (const QString& name : playStory(random)) {
            ++counts[name];
        }
    }
    SimulationResult result;
    result.stories = stories;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        result.events.append({it.key(), it.value()});
    }
    return result;
}

QList<Diagnostic> checkLongPlays(const ContentFolder& folder, const SimulationResult& result) {
    QList<Diagnostic> diagnostics;
    const QString stories = result.stories == 1
                                ? QStringLiteral("1 simulated story")
                                : QStringLiteral("%1 simulated stories").arg(result.stories);
    for (const LongPlayEvent& event : result.events) {
        const QString path = folder.script(event.name);
        if (QFileInfo(path).isFile()) {
            continue;
        }
        diagnostics.append({path, 0, 0,
                            event.name + ContentFolder::txt() +
                                QStringLiteral(" missing: reached in %1 of %2")
                                    .arg(share(event.stories, result.stories), stories),
                            Severity::Warning});
    }
    return diagnostics;
}

} // namespace content
