#include "new_story/new_story.h"

#include "checks/media_checks.h"
#include "checks/missing_files.h"
#include "figures/rule_events.h"
#include "figures/story_figures.h"
#include "new_story/new_story_readme.h"
#include "pack/pack_writer.h"
#include "pictures.h"
#include "placeholders.h"
#include "portraits.h"
#include "synth.h"
#include "text/picture_description.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace content {

namespace {

const QLatin1String scriptSuffix(".txt");
const QLatin1String pictureSuffix(".bmp");

// Every event normal play reaches, then every later one whose missing script check reports.
QList<ReachableEvent> storyEvents() {
    QList<ReachableEvent> events = normalPlayEvents();
    for (const EventFigures& figure : storyFigures().events) {
        if (!figure.event.inNormalPlay() && severityWhenMissing(figure)) {
            events.append(figure.event);
        }
    }
    return events;
}

// The event's kind in Japanese and in English, each short enough for a line of the text window.
QStringList eventTitle(const ReachableEvent& event) {
    if (event.name == story::openingScene().event) {
        return {QStringLiteral("物語のはじまり"), QStringLiteral("(the opening)")};
    }
    if (event.name == story::creditsScene().event) {
        return {QStringLiteral("クレジット"), QStringLiteral("(the credits)")};
    }
    if (event.name == story::endingEventName) {
        return {QStringLiteral("エンディング"), QStringLiteral("(the ending)")};
    }
    if (event.character != story::noCharacter) {
        return {QStringLiteral("人物 %1 の場面 %2").arg(event.character).arg(event.scene),
                QStringLiteral("(character %1, scene %2)").arg(event.character).arg(event.scene)};
    }
    const QString key = event.name.section(QLatin1Char('_'), 0, 0);
    return {QStringLiteral("答え %1 のあとの場面 %2").arg(key).arg(event.scene),
            QStringLiteral("(scene %2 after answer %1)").arg(key).arg(event.scene)};
}

QStringList scriptLines(const ReachableEvent& event) {
    const QStringList title = eventTitle(event);
    const QString file = QStringLiteral("story/") + event.name + scriptSuffix;
    QStringList lines = {
        event.name + QStringLiteral(": ") + title.at(0),
        title.at(1),
        file + QStringLiteral(" を書きかえて"),
        QStringLiteral("保存すると、この場面が変わります。"),
        QStringLiteral("Edit and save ") + file,
        QStringLiteral("to change this scene."),
    };
    if (endsWithoutChoice(event.name)) {
        return lines << QStringLiteral("ここでタイトルにもどります。")
                     << QStringLiteral("(Back to the title.)");
    }
    for (const QLatin1String& key : story::answerKeys) {
        lines << QStringLiteral("答え %1 (answer %1)").arg(key);
    }
    lines.insert(lines.size() - 2, QStringLiteral(">"));
    return lines;
}

struct Placeholder {
    int size = generator::scenePictureSize;
    int character = story::noCharacter;
    QString hint;
    QString description; // what it stands for, a face's beginning with whose face it is
};

QByteArray pngBytes(const QString& name, const Placeholder& picture) {
    const QColor background = picture.character == story::noCharacter
                                  ? QColor(43, 58, 85)
                                  : generator::lookOf(picture.character).dark;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString hint = picture.hint + QStringLiteral("\n%1×%1").arg(picture.size);
    generator::placeholderPicture(name, picture.size, background, hint).save(&buffer, "PNG");
    return bytes;
}

// Every picture the game shows: the title picture and the pictures and faces of the events.
QMap<QString, Placeholder> storyPictures(const QList<ReachableEvent>& events) {
    QMap<QString, Placeholder> pictures;
    for (const FixedFile& fixed : fixedFiles) {
        const QString file = QLatin1String(fixed.file);
        if (file.endsWith(pictureSuffix)) {
            pictures.insert(file.chopped(pictureSuffix.size()),
                            {generator::scenePictureSize, story::noCharacter,
                             QStringLiteral("タイトル\n") + QLatin1String(fixed.role),
                             QStringLiteral("タイトルの仮の絵。A placeholder for the title "
                                            "picture.")});
        }
    }
    for (const ReachableEvent& event : events) {
        if (!event.picture.isEmpty() && !pictures.contains(event.picture)) {
            const bool scene = event.character == story::noCharacter;
            const QString hint =
                scene
                    ? QStringLiteral("%1 の場面\nscene %1").arg(event.name)
                    : QStringLiteral("人物 %1 の場面\ncharacter %1's scenes").arg(event.character);
            const QString description =
                scene ? QStringLiteral("場面 %1 の仮の絵。A placeholder for the picture of scene "
                                       "%1.")
                            .arg(event.name)
                      : QStringLiteral("人物 %1 の場面の仮の絵。A placeholder for the picture of "
                                       "character %1's scenes.")
                            .arg(event.character);
            pictures.insert(event.picture,
                            {generator::scenePictureSize, event.character, hint, description});
        }
        if (!event.face.isEmpty()) {
            pictures.insert(
                event.face,
                {generator::facePictureSize, event.character,
                 QStringLiteral("人物 %1 の顔\ncharacter %1's face").arg(event.character),
                 QStringLiteral("人物 %1 の顔の仮の絵。Character %1's face, a placeholder.")
                     .arg(event.character)});
        }
    }
    return pictures;
}

generator::MonoSound placeholderSound(const QString& file) {
    if (file == sound::musicFile) {
        return generator::placeholderLoop();
    }
    return file == QLatin1String("se.wav") ? generator::typingClick() : generator::choiceChime();
}

} // namespace

QList<SourceFile> newStorySources() {
    QList<SourceFile> files = {{QStringLiteral("README.txt"), newStoryReadme().toUtf8()}};
    const QList<ReachableEvent> events = storyEvents();
    for (const ReachableEvent& event : events) {
        const QString text = scriptLines(event).join(QLatin1Char('\n')) + QLatin1Char('\n');
        files.append({QStringLiteral("story/") + event.name + scriptSuffix, text.toUtf8()});
    }
    const QMap<QString, Placeholder> pictures = storyPictures(events);
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        files.append({QStringLiteral("pictures/%1.png").arg(it.key()), pngBytes(it.key(), *it)});
        files.append(
            {QStringLiteral("pictures/") + it.key() + QLatin1String(text::descriptionSuffix),
             (it->description + QLatin1Char('\n')).toUtf8()});
    }
    for (const FixedFile& fixed : fixedFiles) {
        const QString file = QLatin1String(fixed.file);
        if (!file.endsWith(pictureSuffix)) {
            files.append({QStringLiteral("sounds/") + file,
                          generator::waveFileBytes(placeholderSound(file))});
        }
    }
    return files;
}

QString refusalOfFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        return QStringLiteral("\"%1\" is a file, not a folder").arg(folder);
    }
    if (info.exists() && !QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot)) {
        return QStringLiteral("the folder \"%1\" is not empty: name a new folder").arg(folder);
    }
    return {};
}

QString writeSources(const QString& folder, const QList<SourceFile>& files) {
    PackWriter writer(folder, false);
    for (const SourceFile& file : files) {
        QFile* out = writer.open(file.path);
        if (out == nullptr || out->write(file.bytes) != file.bytes.size() || !writer.close()) {
            break;
        }
    }
    if (writer.problem().message.isEmpty()) {
        writer.commit();
    }
    const Diagnostic& problem = writer.problem();
    return problem.message.isEmpty() ? QString()
                                     : problem.file + QStringLiteral(": ") + problem.message;
}

} // namespace content
