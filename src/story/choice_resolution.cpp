// A click on a choice: the selector value becomes the next scene, and the next event starts.
#include "controls/box.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "host/log.h"
#include "story/scene_selector.h"
#include "window/fom.h"

void Fom::Qst_Click(int index) {
    if (index < 0 || index > 1) {
        return;
    }
    const int s = Hscl->value();
    host::trace(QStringLiteral("answer %1 %2 %3").arg(index).arg(choiceKeys[index]).arg(s));
    sound.SeStt(QStringLiteral("se2.wav"));
    const story::SceneDraw draw = story::drawScene(s, affinity, random_);
    Lbl->setFocus(); // the text window takes the keys before the captions hide
    for (int i = 0; i < 2; ++i) {
        Qst[i]->hide();
        QstBak[i]->hide();
    }
    const story::Scene next = story::answeredScene(draw, choiceKeys[index], answerCount);
    drawSelector();
    startScene(next.event, next.picture, next.character);
}

// Starts the scene a draw leads to: a meeting shows the character's face, any other scene hides it.
void Fom::startScene(const QString& event, const QString& picture, int character) {
    if (character == story::noCharacter) {
        ImgFce->hide();
        IveStt(event, picture);
        return;
    }
    // The face belongs to the scene: none when the scene could not start.
    if (IveStt(event, picture)) {
        showFace(character);
    }
}

// Shows the character's face picture; a face that cannot be read stays hidden.
void Fom::showFace(int character) {
    const QString path = dat2Path + story::facePictureName(character) + QStringLiteral(".bmp");
    if (!ImgFce->load(path)) {
        host::contentWarning(QStringLiteral("cannot read the face picture ") + path);
        ImgFce->hide();
        return;
    }
    ImgFce->show();
    toDescribe(ImgFce);
    host::trace(QStringLiteral("face ") + QString::number(character));
}
