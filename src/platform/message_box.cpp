#include "platform/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace platform {

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, QWidget* owner) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon,
                                             QGuiApplication::applicationDisplayName(), shown,
                                             QMessageBox::Ok, owner);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void QtMessageBox::show(const QString& text) {
    // On the offscreen platform nobody could ever press OK: print the text instead of waiting.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        return;
    }
    makeMessageBox(text, owner_)->exec();
}

} // namespace platform
