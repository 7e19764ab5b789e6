#pragma once

#include <QColor>

// The fixed colours of the game's controls.
namespace colors {

inline const QColor windowBack(30, 0, 30);
inline const QColor versionText(70, 70, 70);
inline const QColor typedText(0, 250, 90);

// A choice as it opens, and as it looks while pressed.
inline const QColor choiceText(0, 0, 0);
inline const QColor choiceFill(255, 255, 0);
inline const QColor choiceBorder(255, 0, 0);
inline const QColor pressedChoiceText(255, 0, 255);
inline const QColor pressedChoiceFill(0, 0, 255);
inline const QColor pressedChoiceBorder(0, 255, 255);

} // namespace colors
