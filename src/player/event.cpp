// Event start and end.
#include "controls/accessibility.h"
#include "controls/history.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/timer.h"
#include "host/log.h"
#include "player/script_line.h"
#include "story/scene_selector.h"
#include "window/fom.h"

#include <QAccessible>

#include <algorithm>
#include <utility>

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
    history_->markEvent();
    controls::startPage(Lbl);
    Lbl->setFocus(); // the keys go to the text window while it types
    return true;
}

void Fom::endEvent() {
    TimIve->setEnabled(false);
    scriptFile.close();
    host::trace(QStringLiteral("end ") + eventName);
    if (eventName == story::endingEventName) {
        controls::announce(Lbl, QStringLiteral("物語のおわり"));
    }
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
        toDescribe(Img);
        return true;
    }
    host::contentWarning(QStringLiteral("cannot read the picture ") + path);
    return false;
}

// A screen reader hears what the story's author wrote of the pictures shown, and nothing where
// the author wrote nothing. New pictures are described once, before the first line typed over
// them, the scene's before the face's, so that a picture replaced at once goes unsaid.
void Fom::toDescribe(controls::Picture* picture) {
    if (std::find(picturesToDescribe_.begin(), picturesToDescribe_.end(), picture) ==
        picturesToDescribe_.end()) {
        picturesToDescribe_.push_back(picture);
    }
}

void Fom::describeNewPictures() {
    for (controls::Picture* picture : std::exchange(picturesToDescribe_, {})) {
        if (QAccessible::isActive() && picture->isVisible() && !picture->description().isEmpty()) {
            controls::announce(picture, picture->description());
        }
    }
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
