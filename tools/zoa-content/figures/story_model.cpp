#include "figures/story_model.h"

#include "scripted-random/scripted_random.h"

#include <QHash>

namespace content {

namespace {

// The names of the game's events, built once each: the same draw always gives the same name.
const QString& characterEvent(const story::SceneDraw& draw) {
    static QHash<std::uint32_t, QString> names;
    const std::uint32_t key =
        static_cast<std::uint32_t>(draw.character) << 16 | static_cast<std::uint32_t>(draw.scene);
    auto it = names.find(key);
    if (it == names.end()) {
        it = names.insert(key, story::characterEventName(draw.character, draw.scene));
    }
    return *it;
}

struct AnswerEvent {
    QString name;
    std::uint8_t answers = 0; // the count after the answer
};

const AnswerEvent& answerEvent(int key, int scene, std::uint8_t answers) {
    static QHash<std::uint32_t, AnswerEvent> events;
    const std::uint32_t id = static_cast<std::uint32_t>(key) << 24 |
                             static_cast<std::uint32_t>(answers) << 16 |
                             static_cast<std::uint32_t>(scene);
    auto it = events.find(id);
    if (it == events.end()) {
        AnswerEvent event;
        event.answers = answers;
        event.name = story::answerEvent(story::answerKeys[key], scene, event.answers);
        it = events.insert(id, event);
    }
    return *it;
}

} // namespace

QList<ReachableEvent> titleEvents() {
    QList<ReachableEvent> events;
    for (const story::Scene& scene : {story::openingScene(), story::creditsScene()}) {
        events.append({scene.event, scene.picture, {}, scene.character});
    }
    return events;
}

ReachableEvent answeredEvent(const QString& event, int character, int scene) {
    const QString face =
        character == story::noCharacter ? QString() : story::facePictureName(character);
    return {event, story::scenePicture(event, character), face, character, scene};
}

std::size_t qHash(const StoryState& state, std::size_t seed) {
    std::uint64_t packed = state.answers;
    for (const std::uint8_t counter : state.counters) {
        packed = packed << 8 | counter;
    }
    return ::qHash(packed, seed);
}

std::vector<SelectorOutcome> selectorOutcomes(int s, const story::Counters& from) {
    std::vector<SelectorOutcome> outcomes;
    // A random scene is uniformIndex(r, randomScenes): these draws, one in the middle of each
    // share of [0, 1), give each of them once.
    for (int i = 0; i < story::randomScenes; ++i) {
        ScriptedRandom random({(static_cast<float>(i) + 0.5f) / story::randomScenes});
        SelectorOutcome outcome{{}, from, 1.0};
        outcome.draw = story::drawScene(s, outcome.counters, random);
        outcomes.push_back(outcome);
        if (random.drawsMade() == 0) {
            return outcomes;
        }
    }
    for (SelectorOutcome& outcome : outcomes) {
        outcome.chance = 1.0 / story::randomScenes;
    }
    return outcomes;
}

std::vector<StoryStep> storySteps(int s, const StoryState& from) {
    std::vector<StoryStep> steps;
    for (const SelectorOutcome& outcome : selectorOutcomes(s, from.counters)) {
        if (outcome.draw.character != story::noCharacter) {
            steps.push_back({characterEvent(outcome.draw),
                             outcome.draw.character,
                             outcome.draw.scene,
                             {outcome.counters, from.answers},
                             outcome.chance});
            continue;
        }
        for (int key = 0; key < int(story::answerKeys.size()); ++key) {
            const AnswerEvent& event = answerEvent(key, outcome.draw.scene, from.answers);
            steps.push_back({event.name,
                             story::noCharacter,
                             outcome.draw.scene,
                             {outcome.counters, event.answers},
                             outcome.chance / story::answerKeys.size()});
        }
    }
    return steps;
}

} // namespace content
