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

// What a control announces for a screen reader to speak (a finished line, a choice, a picture's
// description): one notification per call. Nothing is sent while no assistive technology
// listens.
void announce(ClickableWidget* control, const QString& text);

// An event's page starts: until its text next changes (the first tick blanks it), the text
// window offers screen readers an empty window, not the last event's text.
void startPage(ClickableWidget* textWindow);

// Tells screen readers the control's new name, when it has changed since they were last told.
void tellNameChanged(ClickableWidget* control);

} // namespace controls
