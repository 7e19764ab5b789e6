// A press on the title picture: the right button plays the credits, any other starts a story.
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "host/log.h"
#include "host/random_source.h"
#include "story/scene_selector.h"
#include "window/fom.h"

void Fom::Img_MouseDown(int button) {
    if (!Img->isEnabled()) {
        return;
    }
    if (button == Qt::RightButton) {
        const story::Scene credits = story::creditsScene();
        IveStt(credits.event, credits.picture);
        return;
    }
    affinity.fill(0);
    answerCount = 0;
    drawSelector();
    Img->setEnabled(false);
    const story::Scene opening = story::openingScene();
    IveStt(opening.event, opening.picture);
}

// The selector draw: a uniform whole number from 0 to the selector's maximum.
void Fom::drawSelector() {
    const int maximum = Hscl->maximum();
    Hscl->setValue(host::uniformIndex(random_.next(), maximum + 1));
}
