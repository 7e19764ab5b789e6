#pragma once

#include <QString>

class QWidget;

namespace controls {

// The focus mark, black and white so that it shows on any colour: a line under the text of a
// control that shows text (its text starts at its very corner), a frame inside a picture. It
// shows on the control that holds the keyboard focus once the player has moved or used the focus
// with keys (Qt marks the window on Tab), and goes again at a press of the mouse, so that a mouse
// player sees the design's colours alone.
void showFocusMark(QWidget* control, bool shown);
// Draws the mark over the control while it has the focus and the mark shows: under its text
// when it shows text, else around its edges.
void paintFocusMark(QWidget* control, bool showsText, const QString& text);

} // namespace controls
