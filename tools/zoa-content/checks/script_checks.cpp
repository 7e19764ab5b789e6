#include "checks/script_checks.h"

#include "checks/line_slips.h"
#include "checks/names.h"
#include "figures/rule_events.h"
#include "pack/text_encoding.h"
#include "player/script_line.h"
#include "text/script_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace content {

namespace {

bool hasNonAscii(QByteArrayView bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char byte) { return byte & 0x80; });
}

class ScriptChecker {
public:
    ScriptChecker(const ContentFolder& folder, const QString& event, const QStringList& pictures,
                  const TextFit* fit, ScriptReport& report)
        : folder_(folder)
        , event_(event)
        , path_(folder.script(event))
        , pictures_(pictures)
        , fit_(fit)
        , report_(report) {
        shownIndex_.fill(-1);
    }

    void run();

private:
    void add(int index, Severity severity, const QString& message) {
        report_.diagnostics.append({path_, index + 1, 0, message, severity});
    }
    void addForFile(Severity severity, const QString& message) {
        report_.diagnostics.append({path_, 0, 0, message, severity});
    }
    bool readLines();
    bool savedAsTheGameReadsIt(const QByteArray& bytes);
    bool walkAsPlayed();
    void checkLine(int index);
    void checkTyped(int index);
    void checkFit(int index);
    int checkPictureLine(int index);
    void checkLineAfterPicture(int index);
    void checkPictureName(int index, const QString& name);
    void checkChoiceBlock(int index);

    const ContentFolder& folder_;
    const QString& event_;
    const QString path_;
    const QStringList& pictures_;
    const TextFit* fit_; // none: the fit of the text is not checked
    ScriptReport& report_;
    QStringList lines_;
    TextFit::Shown shown_;            // the text window's lines as playback leaves them
    std::array<int, 9> shownIndex_{}; // the index of each in the script, -1 for none
    QSet<int> overflowing_;           // lines reported as too long
    bool markerSlip_ = false;         // a line meant as a choice marker was typed as text
};

void ScriptChecker::run() {
    if (!readLines()) {
        return;
    }
    for (int index = 0; index < lines_.size(); ++index) {
        checkLine(index);
    }
    // At the last line, where the event ends without one.
    if (!walkAsPlayed() && !endsWithoutChoice(event_) && !markerSlip_) {
        add(static_cast<int>(lines_.size()) - 1, Severity::Warning,
            QStringLiteral("no choice block (\">\" and two captions): the game returns to the "
                           "title after this line"));
    }
}

// Reads every line as the game does. Only a regular file is read: a named pipe could block.
// False when the script cannot be read, or is not saved as the game reads it: its lines are not
// what its author wrote, and nothing more is said of them.
bool ScriptChecker::readLines() {
    QFile bytes(path_);
    text::ScriptFile file;
    if (!QFileInfo(path_).isFile() || !bytes.open(QIODevice::ReadOnly) || !file.open(path_)) {
        addForFile(Severity::Error, QStringLiteral("cannot be read"));
        return false;
    }
    if (!savedAsTheGameReadsIt(bytes.readAll())) {
        return false;
    }
    while (!file.atEnd()) {
        lines_.append(file.readLine());
    }
    return true;
}

// One error for a script saved in another encoding than code page 932, or holding bytes that
// are none of its characters.
bool ScriptChecker::savedAsTheGameReadsIt(const QByteArray& bytes) {
    const TextEncoding encoding = guessEncoding(bytes);
    if (encoding == TextEncoding::CodePage932 ||
        (encoding == TextEncoding::Utf8 && !hasNonAscii(bytes))) {
        return true;
    }
    if (encoding != TextEncoding::Unknown) {
        addForFile(Severity::Error,
                   QStringLiteral("saved as %1, but the game reads Shift-JIS (code page 932): "
                                  "write it with zoa-content pack, or save it as Shift-JIS")
                       .arg(encodingName(encoding)));
        return false;
    }
    const QStringList lines = splitLines(decodeText(bytes, TextEncoding::CodePage932));
    for (int index = 0; index < lines.size(); ++index) {
        const qsizetype bad = lines.at(index).indexOf(QChar(QChar::ReplacementCharacter));
        if (bad >= 0) {
            add(index, Severity::Error,
                QStringLiteral("byte not in code page 932 at column %1").arg(bad + 1));
            return false;
        }
    }
    return false;
}

// Walks the lines as playback reads them: a picture line takes the line after it as text, and
// the first choice marker met ends the reading. True when a choice marker was met.
bool ScriptChecker::walkAsPlayed() {
    int index = 0;
    while (index < lines_.size()) {
        switch (player::classifyLine(lines_.at(index))) {
        case player::LineKind::Picture:
            index = checkPictureLine(index);
            break;
        case player::LineKind::ChoiceMarker:
            checkChoiceBlock(index);
            return true;
        case player::LineKind::Text:
            checkTyped(index++);
            break;
        }
    }
    return false;
}

// What holds for every line, whatever reads it.
void ScriptChecker::checkLine(int index) {
    const QString& line = lines_.at(index);
    const qsizetype lineFeed = line.indexOf(QLatin1Char('\n'));
    if (lineFeed >= 0) {
        add(index, Severity::Warning,
            QStringLiteral("lone LF at column %1: only CR LF or CR end a line, so the game "
                           "keeps it inside the line")
                .arg(lineFeed + 1));
    }
    if (line.size() > player::longestScriptLine) {
        add(index, Severity::Warning,
            QStringLiteral("line of %1 characters, longer than %2")
                .arg(line.size())
                .arg(player::longestScriptLine));
    }
}

void ScriptChecker::checkTyped(int index) {
    const QString slip = typedAsTextSlip(lines_.at(index));
    if (!slip.isEmpty()) {
        markerSlip_ = markerSlip_ || slip.contains(QLatin1String("choice marker"));
        add(index, Severity::Warning, slip);
    }
    checkFit(index);
}

// Types the line into the text window as playback does, below the eight lines before it, and
// tells of the line that makes them overflow.
void ScriptChecker::checkFit(int index) {
    if (fit_ == nullptr) {
        return;
    }
    std::rotate(shown_.begin(), shown_.begin() + 1, shown_.end());
    std::rotate(shownIndex_.begin(), shownIndex_.begin() + 1, shownIndex_.end());
    shown_.back() = lines_.at(index);
    shownIndex_.back() = index;
    const std::optional<TextFit::Overflow> overflow = fit_->windowOverflow(shown_, index + 1);
    const int culprit = overflow ? shownIndex_.at(overflow->line) : -1;
    if (culprit >= 0 && !overflowing_.contains(culprit)) {
        overflowing_.insert(culprit);
        add(culprit, Severity::Warning, overflow->message);
    }
}

// Checks the picture line at index and the line after it; returns the index of the next line
// playback classifies.
int ScriptChecker::checkPictureLine(int index) {
    const std::optional<QString> name = player::pictureName(lines_.at(index));
    if (!name) {
        add(index, Severity::Error,
            QStringLiteral("picture line too short to name a picture (write img[NAME])"));
    } else {
        checkPictureName(index, *name);
    }
    if (index + 1 == lines_.size()) {
        add(index, Severity::Error,
            QStringLiteral("picture line is the last line: a line of text must follow it"));
        return index + 1;
    }
    checkLineAfterPicture(index + 1);
    return index + 2;
}

// The line after a picture line is typed as text whatever it holds, but the skip reads a choice
// marker there as one.
void ScriptChecker::checkLineAfterPicture(int index) {
    switch (player::classifyLine(lines_.at(index))) {
    case player::LineKind::Picture:
        add(index, Severity::Warning,
            QStringLiteral("typed as text, not a picture line: the line after a picture line is "
                           "always text; put a line of text between the two"));
        break;
    case player::LineKind::ChoiceMarker:
        add(index, Severity::Warning,
            QStringLiteral("\">\" right after a picture line: it is typed as text when played "
                           "but opens the choice when skipped; put a line of text between them"));
        break;
    case player::LineKind::Text:
        checkTyped(index);
        break;
    }
}

// A missing picture is an error; a name that cannot be meant is told either way.
void ScriptChecker::checkPictureName(int index, const QString& name) {
    const QString picture = folder_.picture(name);
    const QString slip = pictureNameSlip(lines_.at(index), name);
    if (QFileInfo::exists(picture)) {
        report_.pictures.append(picture);
        if (!slip.isEmpty()) {
            add(index, Severity::Warning, slip);
        }
        return;
    }
    QString message = QStringLiteral("missing picture \"%1\": ").arg(name);
    if (!slip.isEmpty()) {
        message += slip;
    } else {
        const QString shown = folder_.named(picture);
        message += QStringLiteral("no file %1").arg(shown);
        if (!shown.endsWith(ContentFolder::bmp())) {
            message += QStringLiteral(" (or another picture format)");
        }
        const QString near = nearestName(name, pictures_);
        if (!near.isEmpty()) {
            message += QStringLiteral("; did you mean \"%1\"?").arg(near);
        }
    }
    add(index, Severity::Error, message);
}

// Checks the choice block opened at index. A marker without its two captions ends the event
// there, as the end of the script does.
void ScriptChecker::checkChoiceBlock(int index) {
    const int captions = static_cast<int>(lines_.size()) - index - 1;
    if (captions < 2) {
        add(index, Severity::Error,
            QStringLiteral("choice marker needs two caption lines after it, found %1")
                .arg(captions));
        return;
    }
    for (const int caption : {index + 1, index + 2}) {
        const QString overflow = fit_ ? fit_->captionOverflow(lines_.at(caption)) : QString();
        if (!overflow.isEmpty()) {
            add(caption, Severity::Warning, overflow);
        }
    }
    const int unread = captions - 2;
    if (unread > 0) {
        add(index + 3, Severity::Note,
            unread == 1
                ? QStringLiteral("1 line after the choice block, never read")
                : QStringLiteral("%1 lines after the choice block, never read").arg(unread));
    }
}

QStringList pictureNames(const ContentFolder& folder) {
    QStringList names = QDir(folder.dat2).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (QString& name : names) {
        name.chop(ContentFolder::bmp().size());
    }
    return names;
}

} // namespace

ScriptReport checkScripts(const ContentFolder& folder, const TextFit* fit) {
    ScriptReport report;
    const QStringList pictures = pictureNames(folder);
    const QStringList files =
        QDir(folder.dat1)
            .entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (const QString& file : files) {
        ScriptChecker(folder, file.chopped(ContentFolder::txt().size()), pictures, fit, report)
            .run();
    }
    return report;
}

} // namespace content
