#include "window/game_run.h"

#include "controls/fonts.h"
#include "controls/message_box.h"
#include "host/host_facts.h"
#include "host/random_source.h"
#include "host/termination.h"
#include "media/sdl_media_service.h"
#include "window/fom.h"

#include <QApplication>
#include <QGuiApplication>

int runGame(host::HostFacts& host, const std::function<void(Fom&)>& atTitle) {
    QApplication::setApplicationName(QStringLiteral("zoa"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZOA"));
    // The desktop entry's id: the Wayland app_id, and the name desktops match the window with.
    QApplication::setDesktopFileName(QStringLiteral("org.zoagame.Zoa"));
    controls::installFontSubstitutes();

    media::SdlMediaService media;
    // Sound starts once the title is on the screen: the sound libraries and the device are not on
    // the way to the first frame. The commands sent meanwhile are answered then, in order.
    media.holdCommands();
    host::ClockRandom random;
    controls::QtMessageBox messageBox;
    Fom fom(GamePlatform{host, media, random, messageBox});
    messageBox.setOwner(&fom);
    host::closeWindowsOnTermination();
    QObject::connect(
        &fom, &Fom::firstPainted, &fom,
        [&media] {
            QGuiApplication::sync(); // the frame has reached the display
            media.releaseCommands();
        },
        Qt::QueuedConnection);
    fom.show();
    if (fom.startupFailed()) {
        return 1;
    }
    if (atTitle) {
        atTitle(fom);
    }
    return QApplication::exec();
}
