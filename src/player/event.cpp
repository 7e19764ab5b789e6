// Event start and end.
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/timer.h"
#include "host/log.h"
#include "player/script_line.h"
#include "window/fom.h"

bool Fom::IveStt(const QString& iventName, const QString& BMPFileName) {
    eventName = iventName;
    host::trace(QStringLiteral("event ") + eventName + QLatin1Char(' ') +
                (BMPFileName.isEmpty() ? QStringLiteral("-") : BMPFileName));
    if (!BMPFileName.isEmpty()) {
        showPicture(BMPFileName);
    }
    const QString path = dat1Path + eventName + QStringLiteral(".txt");
    if (!scriptFile.open(path)) {
        host::contentWarning(QStringLiteral("cannot read the script ") + path);
        endEvent();
        return false;
    }
    scriptReported_ = false;
    textLines.fill(QString());
    linePos = 0;
    scriptLine.clear();
    TimIve->setEnabled(true);
    Lbl->setFocus(); // the keys go to the text window while it types
    return true;
}

void Fom::endEvent() {
    TimIve->setEnabled(false);
    scriptFile.close();
    host::trace(QStringLiteral("end ") + eventName);
    Form_Activate();
    // The title picture takes the focus from the text window, so that a screen reader announces
    // it. At start-up the focus stays on the scene selector.
    Img->setFocus();
}

// Shows a picture from the picture folder in Img; a picture that cannot be read leaves the one
// shown.
bool Fom::showPicture(const QString& name) {
    const QString path = dat2Path + name + QStringLiteral(".bmp");
    if (Img->load(path)) {
        return true;
    }
    host::contentWarning(QStringLiteral("cannot read the picture ") + path);
    return false;
}

// Reads the next script line into scriptLine. The first line of a script that cannot be shown as
// written (bytes outside code page 932) or that is longer than the script format's limit is
// reported; the line is used as it is.
void Fom::readScriptLine() {
    scriptLine = scriptFile.readLine();
    if (scriptReported_) {
        return;
    }
    QString problem;
    if (scriptLine.contains(QChar(QChar::ReplacementCharacter))) {
        problem = QStringLiteral("bytes not in code page 932");
    } else if (scriptLine.size() > player::longestScriptLine) {
        problem = QStringLiteral("a line longer than 32,766 characters");
    } else {
        return;
    }
    scriptReported_ = true;
    host::contentWarning(problem + QStringLiteral(" in ") + scriptFile.path() +
                         QStringLiteral(", line ") + QString::number(scriptFile.linesRead()));
}
