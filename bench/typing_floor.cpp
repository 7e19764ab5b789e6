// The floor of the typing measure: the least a Qt program does to type as the game types, one
// character of a Japanese line every 100 ms in the game's text font, at the bottom of the text
// window of a window like the game's, each drawn alone. It links Qt alone.
#include "floor_window.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

namespace {

const QString typedLine =
    QStringLiteral("夜の港に灯がともり、波の音だけが静かに響いていた。遠くで汽笛");

// The bottom line of a text window, one more character of the line at each tick: the characters
// that fit its width, from the first again once they are all typed. Where each falls is measured
// once, so a tick costs no more than drawing one character.
class TypedLine : public QWidget {
public:
    using QWidget::QWidget;

    void typeNext() {
        typed_ = (typed_ + 1) % cells().size();
        update(cells()[typed_]);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QColor(0, 250, 90));
        painter.drawText(cells()[typed_], Qt::AlignLeft | Qt::AlignTop, QString(typedLine[typed_]));
    }

private:
    const QList<QRect>& cells() {
        if (cells_.isEmpty()) {
            measureCells();
        }
        return cells_;
    }
    void measureCells() {
        for (int index = 0; index < typedLine.size(); ++index) {
            const QRect cell(fontMetrics().horizontalAdvance(typedLine.left(index)), 0,
                             fontMetrics().horizontalAdvance(typedLine[index]), height());
            if (cell.right() >= width()) {
                break;
            }
            cells_.append(cell);
        }
    }
    QList<QRect> cells_;
    int typed_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    const window::Layout layout = makeFloorWindow(window);
    const QRect text = pixelRect(layout.textWindow, window.size());
    auto* line = new TypedLine(&window);
    line->setFont(QFont(QStringLiteral("IPAGothic"), layout.textFontSize));
    line->setGeometry(text.left(), text.bottom() - line->fontMetrics().height(), text.width(),
                      line->fontMetrics().height());
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, line, &TypedLine::typeNext);
    ticks.start(100);
    window.show();
    return QApplication::exec();
}
