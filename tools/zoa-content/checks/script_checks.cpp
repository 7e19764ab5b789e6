#include "checks/script_checks.h"

#include "figures/rule_events.h"
#include "player/script_line.h"
#include "text/script_file.h"

#include <QDir>
#include <QFileInfo>

namespace content {

namespace {

class ScriptChecker {
public:
    ScriptChecker(const ContentFolder& folder, const QString& event, ScriptReport& report)
        : folder_(folder)
        , event_(event)
        , path_(folder.script(event))
        , report_(report) {}

    void run();

private:
    void add(int index, Severity severity, const QString& message) {
        report_.diagnostics.append({path_, index + 1, 0, message, severity});
    }
    bool readLines();
    bool checkAsPlayed();
    void checkText(int index, const QString& line);
    int checkPictureLine(int index);
    void checkChoiceBlock(int index);

    const ContentFolder& folder_;
    const QString& event_;
    const QString path_;
    ScriptReport& report_;
    QStringList lines_;
};

void ScriptChecker::run() {
    if (!readLines()) {
        report_.diagnostics.append(
            {path_, 0, 0, QStringLiteral("cannot be read"), Severity::Error});
        return;
    }
    for (int index = 0; index < lines_.size(); ++index) {
        checkText(index, lines_.at(index));
    }
    if (!checkAsPlayed() && !endsWithoutChoice(event_)) {
        report_.diagnostics.append(
            {path_, 0, 0,
             QStringLiteral("no choice block (\">\" and two captions): the game returns to the "
                            "title after this event"),
             Severity::Warning});
    }
}

// Reads every line as the game does. Only a regular file is read: a named pipe could block.
bool ScriptChecker::readLines() {
    text::ScriptFile file;
    if (!QFileInfo(path_).isFile() || !file.open(path_)) {
        return false;
    }
    while (!file.atEnd()) {
        lines_.append(file.readLine());
    }
    return true;
}

// Walks the lines as playback reads them: a picture line takes the line after it as text, and
// the first choice marker met ends the reading. True when a choice marker was met.
bool ScriptChecker::checkAsPlayed() {
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
            ++index;
            break;
        }
    }
    return false;
}

void ScriptChecker::checkText(int index, const QString& line) {
    const qsizetype bad = line.indexOf(QChar(QChar::ReplacementCharacter));
    if (bad >= 0) {
        add(index, Severity::Error,
            QStringLiteral("byte not in code page 932 at column %1").arg(bad + 1));
    }
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

// Checks the picture line at index and the line after it; returns the index of the next line
// playback classifies.
int ScriptChecker::checkPictureLine(int index) {
    const std::optional<QString> name = player::pictureName(lines_.at(index));
    if (!name) {
        add(index, Severity::Error,
            QStringLiteral("picture line too short to name a picture (write img[NAME])"));
    } else {
        const QString picture = folder_.picture(*name);
        if (QFileInfo::exists(picture)) {
            report_.pictures.append(picture);
        } else {
            add(index, Severity::Error,
                QStringLiteral("missing picture \"%1\": no file dat2/%1.bmp").arg(*name));
        }
    }
    if (index + 1 == lines_.size()) {
        add(index, Severity::Error,
            QStringLiteral("picture line is the last line: a line of text must follow it"));
        return index + 1;
    }
    if (player::classifyLine(lines_.at(index + 1)) == player::LineKind::ChoiceMarker) {
        add(index + 1, Severity::Warning,
            QStringLiteral("\">\" right after a picture line: it is typed as text when played "
                           "but opens the choice when skipped"));
    }
    return index + 2;
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
    const int unread = captions - 2;
    if (unread > 0) {
        add(index + 3, Severity::Note,
            unread == 1
                ? QStringLiteral("1 line after the choice block, never read")
                : QStringLiteral("%1 lines after the choice block, never read").arg(unread));
    }
}

} // namespace

ScriptReport checkScript(const ContentFolder& folder, const QString& event) {
    ScriptReport report;
    ScriptChecker(folder, event, report).run();
    return report;
}

ScriptReport checkScripts(const ContentFolder& folder) {
    ScriptReport all;
    const QStringList files =
        QDir(folder.dat1)
            .entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (const QString& file : files) {
        const ScriptReport report = checkScript(folder, file.chopped(ContentFolder::txt().size()));
        all.diagnostics += report.diagnostics;
        all.pictures += report.pictures;
    }
    return all;
}

} // namespace content
