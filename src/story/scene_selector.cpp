#include "story/scene_selector.h"

#include "host/random_source.h"

namespace story {

namespace {

std::uint8_t raised(std::uint8_t counter) {
    return counter == 255 ? counter : counter + 1;
}

// Characters 4 and 2: scene 0 at the first meeting, 9 from the tenth on, random in between.
int countedScene(std::uint8_t& counter, host::RandomSource& random) {
    counter = raised(counter);
    if (counter >= 10) {
        return 9;
    }
    if (counter <= 1) {
        return 0;
    }
    return host::uniformIndex(random.next(), randomScenes) + 1;
}

// Characters 0 and 1 advance in turn; a counter standing at 8 jumps to 9.
int alternatingScene(std::uint8_t& counter, bool mayAdvance) {
    if (mayAdvance) {
        counter = raised(counter);
    } else if (counter == 8) {
        counter = 9;
    }
    return counter;
}

} // namespace

SceneDraw drawScene(int s, Counters& affinity, host::RandomSource& random) {
    switch (s) {
    case 0:
        return {4, countedScene(affinity[4], random)};
    case 2:
        return {2, countedScene(affinity[2], random)};
    case 4: {
        const int scene = affinity[3];
        affinity[3] = raised(affinity[3]);
        return {3, scene};
    }
    case 7: {
        const bool mayAdvance = static_cast<int>(affinity[1]) - 1 == static_cast<int>(affinity[0]);
        return {0, alternatingScene(affinity[0], mayAdvance)};
    }
    case 8:
        return {1, alternatingScene(affinity[1], affinity[0] == affinity[1])};
    case 1:
        return {noCharacter, 0};
    case 3:
        return {noCharacter, 1};
    case 5:
        return {noCharacter, 2};
    case 6:
        return {noCharacter, 3};
    case 9:
        return {noCharacter, 4};
    default:
        return {noCharacter, 0};
    }
}

QString characterEventName(int character, int scene) {
    return QStringLiteral("char") + QString::number(character) + QString::number(scene);
}

QString characterPictureName(int character) {
    return QStringLiteral("char") + QString::number(character);
}

QString facePictureName(int character) {
    return QString::number(character);
}

QString answerEventName(const QString& key, int scene) {
    return key + QLatin1Char('_') + QString::number(scene);
}

QString answerEvent(const QString& key, int scene, std::uint8_t& answerCount) {
    if (key == answerA) {
        answerCount = raised(answerCount);
        if (answerCount >= answersToEnding) {
            return endingEventName;
        }
    }
    return answerEventName(key, scene);
}

Scene openingScene() {
    return {QStringLiteral("zoa"), QStringLiteral("zoa")};
}

Scene creditsScene() {
    return {QStringLiteral("end"), QString()};
}

QString scenePicture(const QString& event, int character) {
    return character == noCharacter ? event : characterPictureName(character);
}

Scene answeredScene(const SceneDraw& draw, const QString& key, std::uint8_t& answerCount) {
    const QString event = draw.character == noCharacter
                              ? answerEvent(key, draw.scene, answerCount)
                              : characterEventName(draw.character, draw.scene);
    return {event, scenePicture(event, draw.character), draw.character};
}

} // namespace story
