// A click on the text window skips the rest of the event's text, up to its choice or its end.
#include "controls/accessibility.h"
#include "controls/history.h"
#include "controls/label.h"
#include "host/log.h"
#include "player/script_line.h"
#include "window/fom.h"

namespace {
const QString skipMessage = QStringLiteral("イベントをとばしました");
}

void Fom::Lbl_Click() {
    // With no script open (title, choice on display) there is nothing to skip.
    if (!scriptFile.isOpen()) {
        return;
    }
    host::trace(QStringLiteral("skip"));
    if (!scriptFile.atEnd()) {
        controls::announce(Lbl, skipMessage); // what the window shows until the choice or end
    }
    while (!scriptFile.atEnd()) {
        Lbl->setCaption(skipMessage);
        readScriptLine();
        switch (player::classifyLine(scriptLine)) {
        case player::LineKind::ChoiceMarker:
            Qstopn();
            return;
        case player::LineKind::Text:
            history_->addLine(scriptLine); // the lines passed over can be read there
            break;
        case player::LineKind::Picture:
            break;
        }
    }
    endEvent();
}
