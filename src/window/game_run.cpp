#include "window/game_run.h"

#include "platform/fonts.h"
#include "platform/host_facts.h"
#include "platform/message_box.h"
#include "platform/random_source.h"
#include "platform/sdl_media_service.h"
#include "window/fom.h"

#include <QApplication>

int runGame(platform::HostFacts& host, const std::function<void(Fom&)>& atTitle) {
    QApplication::setApplicationName(QStringLiteral("zoa"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZOA"));
    platform::installFontSubstitutes();

    platform::SdlMediaService media;
    platform::ClockRandom random;
    platform::QtMessageBox messageBox;
    Fom fom(GamePlatform{host, media, random, messageBox});
    messageBox.setOwner(&fom);
    fom.show();
    if (fom.startupFailed()) {
        return 1;
    }
    if (atTitle) {
        atTitle(fom);
    }
    return QApplication::exec();
}
