// Builds the real platform, creates the game window and runs the event loop.
#include "platform/fonts.h"
#include "platform/host_facts.h"
#include "platform/message_box.h"
#include "platform/random_source.h"
#include "platform/sdl_media_service.h"
#include "platform/termination.h"
#include "window/fom.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zoa"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZOA"));
    // The desktop entry's id: the Wayland app_id, and the name desktops match the window with.
    QApplication::setDesktopFileName(QStringLiteral("org.zoagame.Zoa"));
    platform::installFontSubstitutes();

    platform::QtHostFacts host;
    platform::SdlMediaService media;
    platform::ClockRandom random;
    platform::QtMessageBox messageBox;
    Fom fom(GamePlatform{host, media, random, messageBox});
    messageBox.setOwner(&fom);
    platform::closeWindowsOnTermination();
    fom.show();
    if (fom.startupFailed()) {
        return 1;
    }
    return QApplication::exec();
}
