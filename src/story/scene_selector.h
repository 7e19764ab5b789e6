#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace platform {
class RandomSource;
}

namespace story {

inline constexpr int noCharacter = 99;
inline constexpr int characterCount = 5;

using Counters = std::array<std::uint8_t, characterCount>;

// What a selector value turns into: a meeting with a character and its scene, or (character
// noCharacter) the scene number of an answer.
struct SceneDraw {
    int character = noCharacter;
    int scene = 0;
    bool operator==(const SceneDraw&) const = default;
};

// Applies the row of selector value s to the character counters and gives the scene it leads to.
// Rows 0 and 2 draw a random scene from 1 to 8 for their middle meetings. Counters stop at 255.
SceneDraw drawScene(int s, Counters& affinity, platform::RandomSource& random);

// Names built from draws, with plain decimal digits.
QString characterEventName(int character, int scene);   // char43
QString characterPictureName(int character);            // char4
QString facePictureName(int character);                 // 4
QString answerEventName(const QString& key, int scene); // a_2
inline const QString endingEventName = QStringLiteral("name_end");

inline constexpr int answersToEnding = 5;

// The event an answer draw with the given scene leads to for the clicked caption's key: key, "_"
// and the scene, or the ending when this answer "a" brings the count of answers "a" to
// answersToEnding. An answer "a" is counted in answerCount, which stops at 255.
QString answerEvent(const QString& key, int scene, std::uint8_t& answerCount);

} // namespace story
