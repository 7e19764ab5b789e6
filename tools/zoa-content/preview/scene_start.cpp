#include "preview/scene_start.h"

#include "controls/box.h"
#include "controls/label.h"
#include "window/fom.h"

namespace content {

void startPlay(Fom& fom, const PlayCommand& command) {
    // The event that keeps the title picture is the one the title's right button plays.
    if (command.event.picture.isEmpty()) {
        fom.affinity = command.affinity;
        fom.answerCount = command.answers;
        fom.Img_MouseDown(Qt::RightButton);
        return;
    }
    fom.resumeStory(command.affinity, command.answers, command.event.name, command.event.picture,
                    command.event.character);
}

void restartPlay(Fom& fom, const PlayCommand& command) {
    fom.scriptFile.close();
    for (int i = 0; i < 2; ++i) {
        fom.Qst[i]->hide();
        fom.QstBak[i]->hide();
    }
    fom.Form_Activate(); // back at the title, where startPlay starts
    startPlay(fom, command);
}

} // namespace content
