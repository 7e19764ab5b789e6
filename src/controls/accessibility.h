#pragma once

#include <QString>

class QWidget;

namespace controls {

class ClickableWidget;

// Offers the window's controls to assistive technology (Qt's accessibility, which screen readers
// on Linux read over AT-SPI), each as its offer says: a button with its name and a press action,
// or the text window, read as text with a press action. Decoration is left out. Call it once per
// window, before anything asks for the window's accessibility.
void offerToAssistiveTechnology(QWidget* window);

// What the text window announces for a screen reader to speak (a finished line): one
// notification per call. Nothing is sent while no assistive technology listens.
void announce(ClickableWidget* textWindow, const QString& text);

} // namespace controls
