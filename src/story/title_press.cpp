// A press on the title picture: the right button plays "end", any other starts a story.
#include "platform/log.h"
#include "platform/picture.h"
#include "platform/random_source.h"
#include "platform/scroll_bar.h"
#include "window/fom.h"

void Fom::Img_MouseDown(int button) {
    if (!Img->isEnabled()) {
        return;
    }
    if (button == Qt::RightButton) {
        IveStt(QStringLiteral("end"), QString());
        return;
    }
    affinity.fill(0);
    answerCount = 0;
    drawSelector();
    Img->setEnabled(false);
    IveStt(QStringLiteral("zoa"), QStringLiteral("zoa"));
}

// The selector draw: a uniform whole number from 0 to the selector's maximum.
void Fom::drawSelector() {
    const int maximum = Hscl->maximum();
    Hscl->setValue(platform::uniformIndex(random_.next(), maximum + 1));
}
