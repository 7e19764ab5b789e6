// A choice point: the two captions after the marker, shown in random order.
#include "controls/accessibility.h"
#include "controls/box.h"
#include "controls/label.h"
#include "controls/timer.h"
#include "host/log.h"
#include "host/random_source.h"
#include "story/scene_selector.h"
#include "window/colors.h"
#include "window/fom.h"

void Fom::Qstopn() {
    sound.SeStt(QStringLiteral("se2.wav"));
    TimIve->setEnabled(false);
    // A marker without two caption lines after it ends the event as the end of the script does.
    if (scriptFile.atEnd()) {
        endEvent();
        return;
    }
    readScriptLine();
    const int k = host::uniformIndex(random_.next(), 2);
    choiceKeys[k] = story::answerA;
    Qst[k]->setCaption(scriptLine);
    if (scriptFile.atEnd()) {
        endEvent();
        return;
    }
    readScriptLine();
    choiceKeys[1 - k] = story::answerB;
    Qst[1 - k]->setCaption(scriptLine);
    for (int i = 0; i < 2; ++i) {
        Qst[i]->show();
        Qst[i]->setTextColor(colors::choiceText);
        QstBak[i]->show();
        QstBak[i]->setBorderColor(colors::choiceBorder);
        QstBak[i]->setBackColor(colors::choiceFill);
    }
    controls::announce(Lbl,
                       QStringLiteral("問いです。答えはふたつ、1 か 2、または上下で選んで Return"));
    Qst[0]->setFocus(); // a keyboard player answers at once; a screen reader reads the caption
    scriptFile.close();
    host::trace(QStringLiteral("choice ") + choiceKeys[0] + QLatin1Char(' ') + choiceKeys[1]);
}
