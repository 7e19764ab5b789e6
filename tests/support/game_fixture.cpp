#include "support/game_fixture.h"

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

void GameFixture::tick(int n) {
    for (int i = 0; i < n; ++i) {
        fom_->TimIve_Timer();
    }
}

QStringList GameFixture::effectsPlayed() const {
    QStringList effects;
    for (const QString& command : commands()) {
        if (command.startsWith(QLatin1String("open ")) &&
            command.endsWith(QLatin1String(" alias WAVE"))) {
            const QString path = command.section(QLatin1Char('"'), 1, 1);
            effects.append(path.section(QLatin1Char('/'), -1));
        }
    }
    return effects;
}
