#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace player {

// Longest script line a 16-bit typing position can count, the limit of the script format; longer
// lines are typed in full all the same, with a warning.
inline constexpr int longestScriptLine = 32766;

enum class LineKind { Picture, ChoiceMarker, Text };

// The kind of a freshly read line, the one classification that playback, the skip and the
// authors' checks use: a picture line begins with exactly "img", a choice marker with ">", and
// anything else is text. Nothing is folded or trimmed.
LineKind classifyLine(QStringView line);

// The picture named by a picture line: characters 5 up to the next-to-last one (character 4 and
// the last are separators). None for a line shorter than 5 characters.
std::optional<QString> pictureName(QStringView line);

} // namespace player
