// The floor of the start-up measure: the least a Qt program does to show what the game's title
// shows, the title picture and one caption in the game's Japanese font, in a window of the same
// size and at the same places. It links Qt alone.
//   title_floor <picture>
#include "floor_window.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    QWidget window;
    const window::Layout layout = makeFloorWindow(window);
    const QSize size = window.size();

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
