#pragma once

#include <QLatin1String>
#include <QString>

#include <array>
#include <cstdint>

namespace host {
class RandomSource;
}

// The story's rules, for the game and for zoa-content alike: the scene selector's table, the
// scenes the title and the answers start, the names and pictures they show, and the ending.
namespace story {

inline constexpr int noCharacter = 99;
inline constexpr int characterCount = 5;

// The selector's values: 0 to selectorValues - 1, each drawn with the same chance.
inline constexpr int selectorValues = 10;
// Rows 0 and 2 draw the scenes of their middle meetings at random, from 1 to randomScenes.
inline constexpr int randomScenes = 8;

using Counters = std::array<std::uint8_t, characterCount>;

// What a selector value turns into: a meeting with a character and its scene, or (character
// noCharacter) the scene number of an answer.
struct SceneDraw {
    int character = noCharacter;
    int scene = 0;
    bool operator==(const SceneDraw&) const = default;
};

// Applies the row of selector value s to the character counters and gives the scene it leads to.
// Rows 0 and 2 draw a random scene from 1 to randomScenes for their middle meetings. Counters
// stop at 255.
SceneDraw drawScene(int s, Counters& affinity, host::RandomSource& random);

// The keys of a choice's answers: the first caption after the marker is answer "a", the second
// answer "b". Answers "a" count towards the ending.
inline constexpr QLatin1String answerA("a");
inline constexpr QLatin1String answerB("b");
inline constexpr std::array<QLatin1String, 2> answerKeys = {answerA, answerB};

// Names built from draws, with plain decimal digits.
QString characterEventName(int character, int scene);   // char43
QString characterPictureName(int character);            // char4
QString facePictureName(int character);                 // 4
QString answerEventName(const QString& key, int scene); // a_2
inline constexpr QLatin1String endingEventName("name_end");

inline constexpr int answersToEnding = 5;

// The event an answer draw with the given scene leads to for the clicked caption's key: key, "_"
// and the scene, or the ending when this answer "a" brings the count of answers "a" to
// answersToEnding. An answer "a" is counted in answerCount, which stops at 255.
QString answerEvent(const QString& key, int scene, std::uint8_t& answerCount);

// A scene as it starts: its event, the picture shown with it (empty: the picture shown stays)
// and the character met, whose face picture shows too (noCharacter: no face).
struct Scene {
    QString event;
    QString picture;
    int character = noCharacter;
};

// The scenes a press on the title starts: any button but the right one opens a story, the right
// button plays the credits over the title picture.
Scene openingScene();
Scene creditsScene();

// The picture a scene an answer starts shows: a meeting the character's picture, any other scene
// the picture of its own name.
QString scenePicture(const QString& event, int character);

// The scene an answer starts from its draw, for the clicked caption's key (see answerEvent).
Scene answeredScene(const SceneDraw& draw, const QString& key, std::uint8_t& answerCount);

} // namespace story
