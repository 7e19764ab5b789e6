#include "reachability.h"

#include "platform/random_source.h"
#include "story/scene_selector.h"

#include <QFileInfo>
#include <QMap>

#include <array>
#include <deque>
#include <vector>

namespace content {

namespace {

// Counters beyond this only lead to scenes past normal play, so the search stops there.
constexpr int counterBound = lastNormalScene + 1;

// The random scenes of rows 0 and 2 are uniformIndex(r, 8): these draws, one in the middle of
// each eighth of [0, 1), give each of them.
constexpr int randomAlternatives = 8;

// Gives the same number at every draw and counts the draws.
class FixedRandom : public platform::RandomSource {
public:
    explicit FixedRandom(float value)
        : value_(value) {}
    void seedFromClock() override {}
    float next() override {
        ++draws_;
        return value_;
    }
    int draws() const { return draws_; }

private:
    float value_;
    int draws_ = 0;
};

// Calls visit(counters, draw) for every way selector value s can turn out from the given
// counters: once when the row draws no random number, else once for each alternative draw.
template <typename Visit> void forEachOutcome(int s, const story::Counters& from, Visit&& visit) {
    for (int i = 0; i < randomAlternatives; ++i) {
        FixedRandom random((static_cast<float>(i) + 0.5f) / randomAlternatives);
        story::Counters counters = from;
        const story::SceneDraw draw = story::drawScene(s, counters, random);
        visit(counters, draw);
        if (random.draws() == 0) {
            break;
        }
    }
}

bool withinBound(const story::Counters& counters) {
    for (const std::uint8_t counter : counters) {
        if (counter > counterBound) {
            return false;
        }
    }
    return true;
}

std::size_t stateIndex(const story::Counters& counters) {
    std::size_t index = 0;
    for (const std::uint8_t counter : counters) {
        index = index * (counterBound + 1) + counter;
    }
    return index;
}

std::size_t stateCount() {
    std::size_t count = 1;
    for (int i = 0; i < story::characterCount; ++i) {
        count *= counterBound + 1;
    }
    return count;
}

// The scene draws of normal play, marked in a table by character (0 to noCharacter) and scene.
class DrawTable {
public:
    void mark(const story::SceneDraw& draw) {
        if (draw.character >= 0 && draw.character <= story::noCharacter && draw.scene >= 0 &&
            draw.scene <= lastNormalScene) {
            marks_[index(draw.character, draw.scene)] = true;
        }
    }
    QList<story::SceneDraw> draws() const {
        QList<story::SceneDraw> draws;
        for (int character = 0; character <= story::noCharacter; ++character) {
            for (int scene = 0; scene <= lastNormalScene; ++scene) {
                if (marks_[index(character, scene)]) {
                    draws.append({character, scene});
                }
            }
        }
        return draws;
    }

private:
    static std::size_t index(int character, int scene) {
        return static_cast<std::size_t>(character * (lastNormalScene + 1) + scene);
    }
    std::array<bool, (story::noCharacter + 1) * (lastNormalScene + 1)> marks_{};
};

// Breadth-first search over the counters from a story's start, through every selector value and
// random draw, keeping to plays whose scenes stay within normal play.
QList<story::SceneDraw> normalPlayDraws() {
    DrawTable table;
    std::vector<bool> seen(stateCount(), false);
    std::deque<story::Counters> queue{story::Counters{}};
    seen[stateIndex(queue.front())] = true;
    while (!queue.empty()) {
        const story::Counters from = queue.front();
        queue.pop_front();
        for (int s = 0; s < selectorValues; ++s) {
            forEachOutcome(s, from, [&](const story::Counters& to, const story::SceneDraw& draw) {
                if (draw.scene > lastNormalScene) {
                    return;
                }
                table.mark(draw);
                if (withinBound(to) && !seen[stateIndex(to)]) {
                    seen[stateIndex(to)] = true;
                    queue.push_back(to);
                }
            });
        }
    }
    return table.draws();
}

QList<ReachableEvent> findNormalPlayEvents() {
    QMap<QString, ReachableEvent> events;
    auto add = [&events](const ReachableEvent& event) { events.insert(event.name, event); };
    // The title starts "zoa" (a story) or "end" (its right button, with no picture).
    add({QStringLiteral("zoa"), QStringLiteral("zoa"), {}});
    add({QStringLiteral("end"), {}, {}});
    add({story::endingEventName, story::endingEventName, {}});
    for (const story::SceneDraw& draw : normalPlayDraws()) {
        if (draw.character != story::noCharacter) {
            add({story::characterEventName(draw.character, draw.scene),
                 story::characterPictureName(draw.character),
                 story::facePictureName(draw.character)});
            continue;
        }
        for (const QString& key : {QStringLiteral("a"), QStringLiteral("b")}) {
            const QString name = story::answerEventName(key, draw.scene);
            add({name, name, {}});
        }
    }
    return events.values();
}

Diagnostic missing(const QString& file, const QString& message) {
    return {file, 0, 0, message, Severity::Error};
}

} // namespace

const QList<ReachableEvent>& normalPlayEvents() {
    static const QList<ReachableEvent> events = findNormalPlayEvents();
    return events;
}

QList<Diagnostic> checkReachability(const ContentFolder& folder) {
    QList<Diagnostic> diagnostics;
    QMap<QString, QString> pictures; // each picture and the first event that shows it
    QMap<QString, QString> faces;
    for (const ReachableEvent& event : normalPlayEvents()) {
        if (!QFileInfo(folder.script(event.name)).isFile()) {
            diagnostics.append(missing(folder.script(event.name),
                                       QStringLiteral("missing script for event \"%1\", reached "
                                                      "in normal play")
                                           .arg(event.name)));
        }
        if (!event.picture.isEmpty() && !pictures.contains(event.picture)) {
            pictures.insert(event.picture, event.name);
        }
        if (!event.face.isEmpty() && !faces.contains(event.face)) {
            faces.insert(event.face, event.name);
        }
    }
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        if (!QFileInfo(folder.picture(it.key())).isFile()) {
            diagnostics.append(missing(folder.picture(it.key()),
                                       QStringLiteral("missing picture \"%1\", shown when event "
                                                      "\"%2\" starts")
                                           .arg(it.key(), it.value())));
        }
    }
    for (auto it = faces.cbegin(); it != faces.cend(); ++it) {
        if (!QFileInfo(folder.picture(it.key())).isFile()) {
            diagnostics.append(missing(folder.picture(it.key()),
                                       QStringLiteral("missing face picture \"%1\", shown with "
                                                      "event \"%2\"")
                                           .arg(it.key(), it.value())));
        }
    }
    return diagnostics;
}

} // namespace content
