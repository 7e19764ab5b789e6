// The scene selector's change handling: every change of its value, and every move of a dragged
// thumb, plays the click sound.
#include "window/fom.h"

void Fom::Hscl_Change() {
    sound.SeStt(QStringLiteral("se2.wav"));
}

void Fom::Hscl_Scroll() {
    Hscl_Change();
}
