// The typing timer: one character per tick, the next line at each line's end.
#include "controls/accessibility.h"
#include "controls/history.h"
#include "controls/label.h"
#include "controls/scroll_bar.h"
#include "controls/timer.h"
#include "host/log.h"
#include "player/script_line.h"
#include "window/fom.h"

void Fom::TimIve_Timer() {
    ++linePos;
    if (linePos <= scriptLine.size()) {
        textLines[8] += scriptLine.at(linePos - 1);
        drawTextWindow();
        if (linePos == scriptLine.size()) {
            controls::announce(Lbl, scriptLine); // once a line, when it is finished
        }
        return;
    }
    sound.SeStt(QStringLiteral("se.wav"));
    scrollTextLines();
    if (scriptFile.atEnd()) {
        endEvent();
        return;
    }
    readScriptLine();
    switch (player::classifyLine(scriptLine)) {
    case player::LineKind::Picture:
        showPictureLine(scriptLine);
        // The line after a picture line is typed whatever it holds; a picture line with nothing
        // after it ends the event as the end of the script does.
        if (scriptFile.atEnd()) {
            endEvent();
            return;
        }
        readScriptLine();
        break;
    case player::LineKind::ChoiceMarker:
        Qstopn();
        return;
    case player::LineKind::Text:
        break;
    }
    if (host::traceEnabled()) {
        host::trace(QStringLiteral("line ") + scriptLine);
    }
    describeNewPictures();
    history_->addLine(scriptLine);
    drawTextWindow();
}

void Fom::scrollTextLines() {
    for (int i = 1; i <= 8; ++i) {
        textLines[i - 1] = textLines[i];
    }
    textLines[8].clear();
    linePos = 0;
}

// The nine lines joined by CR LF, the text made in one piece: this runs at every tick.
void Fom::drawTextWindow() {
    qsizetype length = 2 * (textLines.size() - 1);
    for (const QString& line : textLines) {
        length += line.size();
    }
    QString text;
    text.reserve(length);
    text += textLines[0];
    for (std::size_t i = 1; i < textLines.size(); ++i) {
        text += QLatin1String("\r\n");
        text += textLines[i];
    }
    windowText = std::move(text);
    Lbl->setCaption(windowText);
}

// Shows the picture a picture line names; a line too short to name one changes nothing.
void Fom::showPictureLine(const QString& line) {
    const std::optional<QString> name = player::pictureName(line);
    if (!name) {
        host::contentWarning(QStringLiteral("picture line too short to name a picture in ") +
                             dat1Path + eventName + QStringLiteral(".txt: ") + line);
        return;
    }
    if (showPicture(*name)) {
        host::trace(QStringLiteral("picture ") + *name);
    }
}

void Fom::HsclTim_Change() {
    sound.SeStt(QStringLiteral("se2.wav"));
    TimIve->setInterval(HsclTim->value());
}

void Fom::HsclTim_Scroll() {
    Hscl_Change();
}
