#include "controls/label.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QStringTokenizer>
#include <QTextLayout>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>
#include <optional>

namespace controls {

namespace {
constexpr qint64 frameMilliseconds = 16;
}

Label::Label(QWidget* parent)
    : ClickableWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    forgetLayout();
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    shownText_ = caption;
    shownText_.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    scheduleRepaint(laidOut_ ? layOut() : rect());
    nameMayHaveChanged();
}

// The lines go down as QPainter::drawText() puts wrapped text: each line's top on a whole pixel,
// the font's leading between lines, a tab or a lone CR shown as a blank. A paragraph whose text
// is unchanged keeps its layout (looked for first in its own place, where it stays while a line is
// typed), and whatever changed text or place is returned as the area to draw again.
QRect Label::layOut() {
    laidOut_ = true;
    const QList<Paragraph> before = std::exchange(paragraphs_, {});
    QRect changed;
    if (!shownText_.isEmpty()) { // an empty caption draws nothing: no font to load at start-up
        changed = layOutParagraphs(before);
    }
    for (qsizetype i = paragraphs_.size(); i < before.size(); ++i) {
        changed |= before[i].area();
    }
    return changed;
}

QRect Label::layOutParagraphs(const QList<Paragraph>& before) {
    if (!metrics_) {
        metrics_.emplace(layoutFont_, this);
        leading_ = metrics_->leading();
    }
    const QFontMetricsF& metrics = *metrics_;
    const qreal leading = leading_;
    qreal bottom = -leading;
    QRect changed;
    for (const QStringView text : qTokenize(shownText_, u'\n')) {
        const qsizetype i = paragraphs_.size();
        const auto same = [text](const Paragraph& old) { return old.text == text; };
        const auto kept = i < before.size() && same(before[i])
                              ? before.begin() + i
                              : std::find_if(before.begin(), before.end(), same);
        std::optional<Paragraph> paragraph;
        if (kept != before.end()) {
            paragraph = *kept;
        } else if (i < before.size()) {
            paragraph = typedOnto(before[i], text);
        }
        if (!paragraph) {
            paragraph = layOutParagraph(text, leading);
        }
        paragraph->top = static_cast<int>(std::ceil(bottom + leading));
        bottom = paragraph->top + paragraph->height;
        changed |= changedArea(i < before.size() ? &before[i] : nullptr, *paragraph, metrics);
        paragraphs_.append(*paragraph);
    }
    return changed;
}

QList<Label::Row> Label::rowsOf(const QString& caption) const {
    const qreal leading = QFontMetricsF(layoutFont(), this).leading();
    const QString text = QString(caption).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QList<Row> rows;
    qreal bottom = -leading;
    int index = 0;
    for (const QStringView paragraphText : qTokenize(text, u'\n')) {
        const int top = static_cast<int>(std::ceil(bottom + leading));
        const Paragraph paragraph = layOutParagraph(paragraphText, leading);
        for (int n = 0; n < paragraph.layout->lineCount(); ++n) {
            const QTextLine line = paragraph.layout->lineAt(n);
            rows.append({index, line.textStart(), line.naturalTextWidth(),
                         top + line.y() + line.ascent() + line.descent()});
        }
        bottom = top + paragraph.height;
        ++index;
    }
    return rows;
}

namespace {

bool hasRightToLeft(QStringView text) {
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.begin(), characters.end(), [](uint character) {
        const QChar::Direction direction = QChar::direction(character);
        return direction == QChar::DirR || direction == QChar::DirAL;
    });
}

// Whether each of the characters is drawn on its own, whatever comes before or after it: letters
// of the scripts laid out without shaping (Japanese, Chinese, Latin, Greek, Cyrillic, and the
// punctuation and symbols they share), no mark, joiner or character outside the basic plane.
bool drawnOnTheirOwn(QStringView typed) {
    return std::all_of(typed.begin(), typed.end(), [](QChar character) {
        switch (character.script()) {
        case QChar::Script_Common:
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
            return !character.isSurrogate() && !character.isMark() &&
                   character.category() != QChar::Other_Format;
        default:
            return false;
        }
    });
}

// A character typed after others may change how the last few are drawn (a ligature, a joined
// letter), never those before.
constexpr int charactersChangedByTyping = 3;

} // namespace

// Where a paragraph's drawing changed. One that only had text typed at its end, on the same line
// or on a line of its own below the others, changed from its last few characters on, or, for
// characters drawn on their own, where the typed ones fall alone: that area never overlaps the one
// drawn for the character before, so the window system need not finish showing that one before
// this one is drawn. Any other change takes its lines, before and after.
QRect Label::changedArea(const Paragraph* before, const Paragraph& after,
                         const QFontMetricsF& metrics) const {
    if (before == nullptr) {
        return after.area();
    }
    if (before->top == after.top && before->text == after.text) {
        return QRect();
    }
    const QTextLayout& old = *before->layout;
    const QTextLayout& now = *after.layout;
    const int lastLine = now.lineCount() - 1;
    if (before->top != after.top || lastLine < 0 || !after.text.startsWith(before->text) ||
        (!after.byCharacter && hasRightToLeft(after.text))) {
        return before->area() | after.area();
    }
    const QStringView typed = QStringView(after.text).mid(before->text.size());
    const int typedFrom = static_cast<int>(before->text.size());
    const QTextLine line = now.lineAt(lastLine);
    const bool sameLine = &old == &now || (old.lineCount() == now.lineCount() &&
                                           old.lineAt(lastLine).textStart() == line.textStart());
    if (!sameLine) { // wrapped: the typed text on a line of its own, or more changed
        const bool ownLine =
            now.lineCount() == old.lineCount() + 1 && line.textStart() == typedFrom;
        return ownLine && drawnOnTheirOwn(typed)
                   ? typedArea(line, after.top, line.cursorToX(typedFrom), after.end, typed,
                               metrics)
                   : before->area() | after.area();
    }
    if (drawnOnTheirOwn(typed)) {
        const qreal from =
            &old == &now ? before->end : std::min(before->end, line.cursorToX(typedFrom));
        return typedArea(line, after.top, from, after.end, typed, metrics);
    }
    if (!before->typed.isEmpty() || !after.typed.isEmpty()) {
        return before->area() | after.area();
    }
    const QTextLine oldLine = old.lineAt(lastLine);
    const int from = std::max(oldLine.textStart(), typedFrom - charactersChangedByTyping);
    const int left = static_cast<int>(std::floor(oldLine.cursorToX(from))) - 1;
    return QRect(left, after.top + static_cast<int>(oldLine.y()) - 1, QWIDGETSIZE_MAX,
                 static_cast<int>(std::ceil(oldLine.height())) + 2);
}

// Where characters typed at the end of a paragraph's line are drawn: the columns from one x to
// another, widened by any part of a glyph that reaches past its own advance, and the rows their
// glyphs' ink reaches, with a pixel more each way. The area then stays clear of the line above,
// drawn just before, so the window system need not finish showing that one first.
QRect Label::typedArea(const QTextLine& line, int paragraphTop, qreal from, qreal to,
                       QStringView typed, const QFontMetricsF& metrics) {
    const int left =
        static_cast<int>(std::floor(from + std::min(0.0, metrics.leftBearing(typed.front()))));
    const int right =
        static_cast<int>(std::ceil(to - std::min(0.0, metrics.rightBearing(typed.back()))));
    qreal inkTop = 0;
    qreal inkBottom = 0;
    for (const QChar character : typed) {
        const QRectF ink = metrics.boundingRect(character);
        inkTop = std::min(inkTop, ink.top());
        inkBottom = std::max(inkBottom, ink.bottom());
    }
    const qreal baseline = paragraphTop + line.y() + line.ascent();
    const int top = static_cast<int>(std::floor(baseline + inkTop)) - 1;
    const int bottom = static_cast<int>(std::ceil(baseline + inkBottom)) + 1;
    return QRect(left, top, right - left, bottom - top);
}

// Text of the scripts that need no shaping (Japanese, Latin, ...) is laid out from the font's
// character map alone, which halves the cost of a line; the game's fonts have neither kerning nor
// ligatures for these scripts, so nothing changes on screen.
QFont Label::layoutFont() const {
    return layoutFont_;
}

Label::Paragraph Label::layOutParagraph(QStringView text, qreal leading) const {
    Paragraph paragraph;
    paragraph.text = text.toString();
    QString shown = paragraph.text;
    shown.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    paragraph.layout = std::make_shared<QTextLayout>(shown, layoutFont_, this);
    QTextLayout& layout = *paragraph.layout;
    layout.setCacheEnabled(true); // keeps the shaped glyphs for every later drawing
    qreal bottom = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, std::ceil(bottom + leading)));
        bottom = line.y() + line.ascent() + line.descent();
    }
    layout.endLayout();
    paragraph.height = bottom;
    paragraph.byCharacter = drawnOnTheirOwn(text) && !hasRightToLeft(text);
    const QTextLine last = layout.lineAt(layout.lineCount() - 1);
    paragraph.end = last.cursorToX(last.textStart() + last.textLength());
    return paragraph;
}

// The paragraph with characters typed onto its end, when they need no layout of their own: the
// paragraph's characters and the typed ones are drawn on their own, so their glyphs follow the
// last line's where a new layout would put them, when the primary font has them (no other font
// to choose) and they end well before the line does (nothing to wrap). Nothing otherwise.
std::optional<Label::Paragraph> Label::typedOnto(const Paragraph& before, QStringView text) {
    if (!before.byCharacter || before.text.isEmpty() || text.size() <= before.text.size() ||
        !text.startsWith(before.text)) {
        return std::nullopt;
    }
    if (!primaryFont_) {
        primaryFont_ = QRawFont::fromFont(QFont(layoutFont_, this));
    }
    const QRawFont& primary = *primaryFont_;
    const QString typed = text.mid(before.text.size()).toString();
    const bool ownGlyphs =
        drawnOnTheirOwn(typed) && std::all_of(typed.begin(), typed.end(),
                                              [](QChar character) { return character.isPrint(); });
    const QList<quint32> glyphs =
        ownGlyphs ? primary.glyphIndexesForString(typed) : QList<quint32>();
    // Glyph 0 stands for a character the font lacks.
    if (glyphs.size() != typed.size() || glyphs.contains(0)) {
        return std::nullopt;
    }
    const QList<QPointF> advances = primary.advancesForGlyphIndexes(glyphs);
    const QTextLine line = before.layout->lineAt(before.layout->lineCount() - 1);
    Paragraph after = before;
    after.text = text.toString();
    QList<quint32> typedGlyphs = before.typed.glyphIndexes();
    QList<QPointF> positions = before.typed.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        typedGlyphs.append(glyphs[i]);
        positions.append(QPointF(after.end, line.y() + line.ascent()));
        after.end += advances[i].x();
    }
    // Near the line's end a layout decides what wraps; glyphs of a font that reaches higher or
    // lower than the line's move its baseline.
    if (after.end + line.height() > line.width() || primary.ascent() > line.ascent() ||
        primary.descent() > line.descent()) {
        return std::nullopt;
    }
    after.typed.setRawFont(primary);
    after.typed.setGlyphIndexes(typedGlyphs);
    after.typed.setPositions(positions);
    return after;
}

QRect Label::Paragraph::area() const {
    // A pixel more each way for glyphs that reach past their line.
    return QRect(0, top - 1, QWIDGETSIZE_MAX, static_cast<int>(std::ceil(height)) + 2);
}

void Label::scheduleRepaint(const QRect& changed) {
    toRepaint_ |= changed & rect();
    if (repaintTimer_.isActive()) {
        return;
    }
    const qint64 since = sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : frameMilliseconds;
    if (since >= frameMilliseconds) {
        update(std::exchange(toRepaint_, QRect()));
    } else {
        repaintTimer_.start(static_cast<int>(frameMilliseconds - since), this);
    }
}

void Label::timerEvent(QTimerEvent* event) {
    if (event->timerId() != repaintTimer_.timerId()) {
        ClickableWidget::timerEvent(event);
        return;
    }
    repaintTimer_.stop();
    update(std::exchange(toRepaint_, QRect()));
}

// A new width or font lays every line out afresh, when it is next drawn.
void Label::resizeEvent(QResizeEvent*) {
    forgetLayout();
}

void Label::changeEvent(QEvent* event) {
    ClickableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        forgetLayout();
    }
}

void Label::forgetLayout() {
    layoutFont_ = font();
    layoutFont_.setStyleStrategy(QFont::PreferNoShaping);
    primaryFont_.reset(); // found when first needed: finding it may load fonts
    metrics_.reset();
    paragraphs_.clear();
    laidOut_ = false;
    update();
}

void Label::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void Label::paintEvent(QPaintEvent* event) {
    sinceRepaint_.restart();
    if (!laidOut_) {
        layOut();
    }
    std::optional<QPainter> painter; // made only where there is text to draw
    for (const Paragraph& paragraph : paragraphs_) {
        if (paragraph.area().intersects(event->rect())) {
            if (!painter) {
                painter.emplace(this);
                painter->setPen(textColor_);
            }
            drawParagraph(*painter, paragraph, event->rect());
        }
    }
}

// Draws the paragraph's lines that reach into the area, and the glyphs typed onto its last.
void Label::drawParagraph(QPainter& painter, const Paragraph& paragraph, const QRect& area) const {
    const QTextLayout& layout = *paragraph.layout;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal top = paragraph.top + line.y();
        if (top <= area.bottom() + 1 && top + line.height() >= area.top() - 1) {
            drawLine(painter, paragraph, line, area);
            if (i == layout.lineCount() - 1) {
                drawTyped(painter, paragraph, line.height(), area);
            }
        }
    }
}

// Draws a line whole, or, when its characters are drawn on their own, only the glyphs that may
// reach into the area's columns: those of the characters within a line's height of them (no
// glyph reaches further past its advance). A typed character is then drawn alone, not its line.
void Label::drawLine(QPainter& painter, const Paragraph& paragraph, const QTextLine& line,
                     const QRect& area) {
    const QPointF origin(0, paragraph.top);
    const qreal reach = line.height();
    if (!paragraph.byCharacter ||
        (area.left() - reach <= 0 && area.right() + 1 + reach >= line.naturalTextWidth())) {
        line.draw(&painter, origin);
        return;
    }
    if (line.naturalTextWidth() + reach < area.left()) {
        return;
    }
    const int from = line.xToCursor(area.left() - reach, QTextLine::CursorOnCharacter);
    const int to = line.xToCursor(area.right() + 1 + reach, QTextLine::CursorOnCharacter);
    for (const QGlyphRun& run : line.glyphRuns(from, to - from + 1)) {
        painter.drawGlyphRun(origin, run);
    }
}

// Draws the glyphs typed onto a paragraph that may reach into the area's columns, as drawLine()
// does.
void Label::drawTyped(QPainter& painter, const Paragraph& paragraph, qreal reach,
                      const QRect& area) {
    const QList<QPointF> positions = paragraph.typed.positions();
    const auto byX = [](const QPointF& position, qreal x) { return position.x() < x; };
    const auto startingFrom = [&](qreal x) {
        return std::lower_bound(positions.begin(), positions.end(), x, byX) - positions.begin();
    };
    const qsizetype from = std::max<qsizetype>(0, startingFrom(area.left() - reach) - 1);
    const qsizetype to = startingFrom(area.right() + 1 + reach);
    if (from == to) {
        return;
    }
    QGlyphRun glyphs = paragraph.typed;
    glyphs.setGlyphIndexes(paragraph.typed.glyphIndexes().mid(from, to - from));
    glyphs.setPositions(positions.mid(from, to - from));
    painter.drawGlyphRun(QPointF(0, paragraph.top), glyphs);
}

} // namespace controls
