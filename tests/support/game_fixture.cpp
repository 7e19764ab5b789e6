#include "support/game_fixture.h"

#include "controls/box.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "controls/timer.h"
#include "window/colors.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <functional>

namespace {

// The shapes of the steps GameFixture::play takes; any other token is a mistake in the test.
const QRegularExpression stepShape(
    QStringLiteral("^(t\\d+|k|f|p(left|right|middle)|[ads]\\d+|e:[^:]+(:.*)?|r:[\\d.]+(,[\\d.]+)*|"
                   "c:(\\d+,){5}\\d+|x:.+|w:[^:]+:.*)$"));

QString pictureName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

// "" in the normal look, "*" in the pressed look, "?" in any other.
QString look(const controls::Label* caption, const controls::Box* box) {
    if (caption->textColor() == colors::choiceText && box->backColor() == colors::choiceFill &&
        box->borderColor() == colors::choiceBorder) {
        return QString();
    }
    const bool pressed = caption->textColor() == colors::pressedChoiceText &&
                         box->backColor() == colors::pressedChoiceFill &&
                         box->borderColor() == colors::pressedChoiceBorder;
    return pressed ? QStringLiteral("*") : QStringLiteral("?");
}

} // namespace

GameFixture::GameFixture(int screenHeightTwips, const QString& subfolder)
    : content(subfolder)
    , host(content.folder(), screenHeightTwips) {}

Fom& GameFixture::start() {
    fom_ = std::make_unique<Fom>(GamePlatform{host, media, random, messageBox});
    fom_->show();
    return *fom_;
}

QStringList GameFixture::commands() const {
    QStringList texts;
    for (const QByteArray& command : media.commands()) {
        texts.append(QString::fromUtf8(command));
    }
    return texts;
}

QString GameFixture::play(const QString& steps) {
    const qsizetype from = trace.lines.size();
    for (const QString& token : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        step(token);
    }
    return shortTrace(from);
}

QString GameFixture::shortTrace(qsizetype from) const {
    QStringList happened;
    for (const QString& line : trace.lines.mid(from)) {
        const QString shortened = shortLine(line);
        if (!shortened.isEmpty()) {
            happened.append(shortened);
        }
    }
    return happened.join(QStringLiteral(" | "));
}

void GameFixture::step(const QString& token) {
    if (!stepShape.match(token).hasMatch()) {
        qFatal("malformed step \"%s\" (see GameFixture::play)", qPrintable(token));
    }
    Fom& game = *fom_;
    const QString argument = token.mid(1);
    const QString rest = token.section(QLatin1Char(':'), 1);
    const QString first = rest.section(QLatin1Char(':'), 0, 0);
    const QString second = rest.section(QLatin1Char(':'), 1);
    const QStringList values = rest.split(QLatin1Char(','));
    const QHash<QChar, std::function<void()>> actions = {
        {'t',
         [&] {
             for (int i = argument.toInt(); i > 0; --i) {
                 game.TimIve_Timer();
             }
         }},
        {'k', [&] { game.Lbl_Click(); }},
        {'p',
         [&] {
             game.Img_MouseDown(argument == QLatin1String("right")    ? Qt::RightButton
                                : argument == QLatin1String("middle") ? Qt::MiddleButton
                                                                      : Qt::LeftButton);
         }},
        {'a', [&] { game.Qst_Click(argument.toInt()); }},
        {'d', [&] { game.Qst_MouseDown(argument.toInt()); }},
        {'s', [&] { game.Hscl->setValue(argument.toInt()); }},
        {'f', [&] { game.ImgFce_Click(); }},
        {'e', [&] { game.IveStt(first, second); }},
        {'r',
         [&] {
             std::vector<float> draws;
             for (const QString& item : values) {
                 draws.push_back(item.toFloat());
             }
             random.setValues(draws);
         }},
        {'c',
         [&] {
             for (int i = 0; i < 5; ++i) {
                 game.affinity[i] = static_cast<quint8>(values.at(i).toInt());
             }
             game.answerCount = static_cast<quint8>(values.at(5).toInt());
         }},
        {'x', [&] { content.remove(rest); }},
        {'w', [&] { content.writeScript(first, second.split(QLatin1Char('/'))); }}};
    actions.value(token.at(0))();
}

QString GameFixture::shortLine(const QString& line) const {
    static const QRegularExpression effect(
        QStringLiteral("^media open \".*/([^/]+)\\.wav\" alias WAVE"));
    if (line.startsWith(QLatin1String("media "))) {
        const QRegularExpressionMatch match = effect.match(line);
        return match.hasMatch() ? match.captured(1) : QString();
    }
    if (line.startsWith(QLatin1String("warning: "))) {
        const QRegularExpressionMatch file =
            QRegularExpression(QRegularExpression::escape(content.folder() + '/') + "([^ ,:]+)")
                .match(line);
        return QStringLiteral("warning ") + (file.hasMatch() ? file.captured(1) : line.mid(9));
    }
    return line == QLatin1String("painted") ? QString() : line;
}

QString GameFixture::shown() const {
    QString caption = fom_->Lbl->caption();
    return caption.replace(QStringLiteral("\r\n"), QStringLiteral("/"));
}

QString GameFixture::state() const {
    const Fom& game = *fom_;
    const int shownControls = game.Qst[0]->isVisible() + game.Qst[1]->isVisible() +
                              game.QstBak[0]->isVisible() + game.QstBak[1]->isVisible();
    const QString choice = QStringLiteral("choice[%1%2|%3%4]")
                               .arg(game.Qst[0]->caption(), look(game.Qst[0], game.QstBak[0]),
                                    game.Qst[1]->caption(), look(game.Qst[1], game.QstBak[1]));
    const QString face = QStringLiteral("face=") + pictureName(game.ImgFce->fileName());
    QStringList parts = {game.TimIve->isEnabled() ? QStringLiteral("typing") : QString(),
                         game.scriptFile.isOpen() ? QStringLiteral("script") : QString(),
                         shownControls == 4  ? choice
                         : shownControls > 0 ? QStringLiteral("part of a choice")
                                             : QString(),
                         game.Img->isEnabled() ? QStringLiteral("title") : QString(),
                         QStringLiteral("img=") + pictureName(game.Img->fileName()),
                         game.ImgFce->isVisible() ? face : QString()};
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

QString GameFixture::counters() const {
    QStringList parts;
    for (const quint8 counter : fom_->affinity) {
        parts << QString::number(counter);
    }
    return parts.join(QLatin1Char(' ')) + QStringLiteral(" | ") +
           QString::number(fom_->answerCount);
}
