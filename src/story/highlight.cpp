// Small reactions of the story screen: a pressed choice, and the face picture's verse.
#include "controls/box.h"
#include "controls/label.h"
#include "controls/message_box.h"
#include "window/colors.h"
#include "window/fom.h"

void Fom::Qst_MouseDown(int index) {
    if (index < 0 || index > 1) {
        return;
    }
    Qst[index]->setTextColor(colors::pressedChoiceText);
    QstBak[index]->setBackColor(colors::pressedChoiceFill);
    QstBak[index]->setBorderColor(colors::pressedChoiceBorder);
}

void Fom::ImgFce_Click() {
    const QString crlf = QStringLiteral("\r\n");
    messageBox_.show(QStringLiteral("小さな金魚") + crlf + QStringLiteral("ワタシノ小鳥") + crlf +
                     QStringLiteral("翼を折って") + crlf + QStringLiteral("もう飛び立たない"));
}
