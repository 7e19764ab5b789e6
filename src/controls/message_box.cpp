#include "controls/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

namespace controls {

void QtMessageBox::show(const QString& text) {
    // On the offscreen platform nobody could ever see the box or press OK: it is not shown.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return;
    }
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), shown,
                    QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // The keys go back to the game's window: where no window manager runs, nothing else gives
    // it the focus again once the box is gone.
    if (owner_ != nullptr) {
        owner_->activateWindow();
    }
}

} // namespace controls
