// The floor of the start-up measure: the least a Qt program does to show what the game's title
// shows, the title picture and one caption in the game's Japanese font, in a window of the same
// size and at the same places. It links Qt alone.
//   title_floor <picture>
#include "platform/host_facts.h"
#include "window/layout.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include <cmath>

namespace {

QRect pixelRect(const window::UnitRect& rect, QSize inner) {
    const double unitX = inner.width() / window::innerUnitsWide;
    const double unitY = inner.height() / window::innerUnitsHigh;
    const QPoint topLeft(static_cast<int>(std::lround(rect.left * unitX)),
                         static_cast<int>(std::lround(rect.top * unitY)));
    const QPoint end(static_cast<int>(std::lround((rect.left + rect.width) * unitX)),
                     static_cast<int>(std::lround((rect.top + rect.height) * unitY)));
    return QRect(topLeft, end - QPoint(1, 1));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const platform::QtHostFacts host;
    const window::Layout layout = window::computeLayout(host.screenHeightTwips());
    const QSize size(static_cast<int>(std::lround(layout.outerWidthTwips * host.pixelsPerTwip())),
                     static_cast<int>(std::lround(layout.outerHeightTwips * host.pixelsPerTwip())));

    QWidget window;
    window.setFixedSize(size);
    window.move(QGuiApplication::primaryScreen()->availableGeometry().center() -
                QPoint(size.width() / 2, size.height() / 2));
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(30, 0, 30));
    colours.setColor(QPalette::WindowText, QColor(70, 70, 70));
    window.setPalette(colours);

    auto* picture = new QLabel(&window);
    const QRect pictureRect = pixelRect(layout.mainPicture, size);
    picture->setGeometry(pictureRect);
    picture->setPixmap(
        QPixmap(QString::fromLocal8Bit(argv[1]))
            .scaled(pictureRect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    auto* caption = new QLabel(QStringLiteral("ZOA Ver1.00"), &window);
    caption->setGeometry(pixelRect(layout.versionLabel, size));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    caption->setFont(QFont(QStringLiteral("IPAPGothic"), layout.versionFontSize));

    window.show();
    return QApplication::exec();
}
