// A story carried on at any of its scenes, for the story author's preview.
#include "controls/picture.h"
#include "window/fom.h"

void Fom::resumeStory(const std::array<quint8, 5>& counters, quint8 answers, const QString& event,
                      const QString& picture, int character) {
    affinity = counters;
    answerCount = answers;
    drawSelector();
    Img->setEnabled(false);
    startScene(event, picture, character);
}
