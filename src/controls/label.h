#pragma once

#include "controls/clickable_widget.h"

#include <QBasicTimer>
#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

class QPainter;
class QTextLayout;
class QTextLine;

namespace controls {

// A text label that shows its caption as plain text, never as markup: aligned top left, CR LF
// starting a new line, long lines wrapped, and whatever falls below the lower edge cut off.
// Its background is transparent. Caption changes are drawn at most once per screen frame, so
// typing at one character a millisecond does not spend the time on drawing, and only where the
// text changed: one more character typed at the end of a line is drawn alone, its glyph placed
// after the line's without laying the line out again where nothing can move.
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

    // A row of laid-out text: the line of the caption it belongs to (CR LF separates them), the
    // index in that line of its first character, and where its text ends, in pixels from the
    // label's left and top.
    struct Row {
        int line = 0;
        int start = 0;
        qreal right = 0;
        qreal bottom = 0;
    };
    // The rows the caption would take in this label, laid out as it is drawn, without showing it.
    QList<Row> rowsOf(const QString& caption) const;
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
        std::shared_ptr<QTextLayout> layout; // of its text but the typed glyphs
        QGlyphRun typed;          // glyphs typed onto its last line since it was laid out
        qreal end = 0;            // where its last line's text ends
        int top = 0;              // of its first line in the label
        qreal height = 0;         // from its top to the end of its last line
        bool byCharacter = false; // each character drawn on its own, left to right
        QRect area() const;       // where its drawing may fall, the label's width wide
    };

    QRect layOut();
    QRect layOutParagraphs(const QList<Paragraph>& before);
    std::pair<const Paragraph*, int> paragraphAt(int offset);
    void forgetLayout();
    QFont layoutFont() const;
    QRect changedArea(const Paragraph* before, const Paragraph& after,
                      const QFontMetricsF& metrics) const;
    static QRect typedArea(const QTextLine& line, int paragraphTop, qreal from, qreal to,
                           QStringView typed, const QFontMetricsF& metrics);
    void drawParagraph(QPainter& painter, const Paragraph& paragraph, const QRect& area) const;
    static void drawLine(QPainter& painter, const Paragraph& paragraph, const QTextLine& line,
                         const QRect& area);
    static void drawTyped(QPainter& painter, const Paragraph& paragraph, qreal reach,
                          const QRect& area);
    Paragraph layOutParagraph(QStringView text, qreal leading) const;
    std::optional<Paragraph> typedOnto(const Paragraph& before, QStringView text);
    void scheduleRepaint(const QRect& changed);

    QString caption_;
    QString shownText_;
    QList<Paragraph> paragraphs_;
    bool laidOut_ = false; // the paragraphs hold the text in the present font and width
    QFont layoutFont_;     // the font without shaping, made afresh at each change of the font
    std::optional<QRawFont> primaryFont_;  // the first of the fonts it draws with
    std::optional<QFontMetricsF> metrics_; // of the layout font, kept while it is
    qreal leading_ = 0;                    // the metrics' leading
    QColor textColor_ = Qt::black;
    QBasicTimer repaintTimer_;
    QElapsedTimer sinceRepaint_;
    QRect toRepaint_;
};

} // namespace controls
