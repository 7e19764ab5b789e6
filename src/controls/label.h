#pragma once

#include "controls/clickable_widget.h"

#include <QBasicTimer>
#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QRect>
#include <QString>

#include <memory>
#include <utility>

class QPainter;
class QTextLayout;
class QTextLine;

namespace controls {

// A text label that shows its caption as plain text, never as markup: aligned top left, CR LF
// starting a new line, long lines wrapped, and whatever falls below the lower edge cut off.
// Its background is transparent. Caption changes are drawn at most once per screen frame, so
// typing at one character a millisecond does not spend the time on drawing, and only where the
// text changed: typing one more character lays out and draws its line alone.
class Label : public ClickableWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    bool showsText() const override { return true; }
    QString shownText() const override { return shownText_; }
    void setTextColor(const QColor& color);
    QColor textColor() const { return textColor_; }

    // Where the shown text is drawn, for readers that review it, in the label's coordinates: the
    // rectangle of the character at an offset of shownText(); the offsets where the drawn row
    // holding it starts and ends (a line wider than the label is drawn as several rows), its
    // line break included; and the offset of the character at a point, -1 where there is none.
    QRect characterRect(int offset);
    std::pair<int, int> rowAround(int offset);
    int offsetAt(const QPoint& point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One line of the caption, laid out on its own, its lines placed from 0 down.
    struct Paragraph {
        QString text;
        std::shared_ptr<QTextLayout> layout;
        int top = 0;        // of its first line in the label
        qreal height = 0;   // from its top to the end of its last line
        QRect area() const; // where its drawing may fall, the label's width wide
    };

    QRect layOut();
    std::pair<const Paragraph*, int> paragraphAt(int offset);
    void forgetLayout();
    QFont layoutFont() const;
    QRect changedArea(const Paragraph* before, const Paragraph& after) const;
    std::pair<int, int> typedColumns(const QTextLine& before, const QTextLine& after,
                                     QStringView typed) const;
    void drawParagraph(QPainter& painter, const Paragraph& paragraph, const QRect& area) const;
    std::shared_ptr<QTextLayout> layOutParagraph(const QString& text, qreal leading,
                                                 qreal* height) const;
    void scheduleRepaint(const QRect& changed);

    QString caption_;
    QString shownText_;
    QList<Paragraph> paragraphs_;
    bool laidOut_ = false; // the paragraphs hold the text in the present font and width
    QColor textColor_ = Qt::black;
    QBasicTimer repaintTimer_;
    QElapsedTimer sinceRepaint_;
    QRect toRepaint_;
};

} // namespace controls
