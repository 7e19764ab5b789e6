#include "controls/label.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace controls {

namespace {
constexpr qint64 frameMilliseconds = 16;
}

Label::Label(QWidget* parent)
    : ClickableWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
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
// is unchanged keeps its layout, and whatever changed text or place is returned as the area to
// draw again.
QRect Label::layOut() {
    laidOut_ = true;
    const QList<Paragraph> before = std::exchange(paragraphs_, {});
    const qreal leading = QFontMetricsF(layoutFont(), this).leading();
    qreal bottom = -leading;
    QRect changed;
    const QStringList texts = shownText_.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        Paragraph paragraph;
        paragraph.text = QString(texts[i]).replace(QLatin1Char('\t'), QLatin1Char(' '));
        paragraph.text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        paragraph.top = static_cast<int>(std::ceil(bottom + leading));
        const auto kept = std::find_if(before.begin(), before.end(), [&](const Paragraph& old) {
            return old.text == paragraph.text;
        });
        if (kept != before.end()) {
            paragraph.layout = kept->layout;
            paragraph.height = kept->height;
        } else {
            paragraph.layout = layOutParagraph(paragraph.text, leading, &paragraph.height);
        }
        bottom = paragraph.top + paragraph.height;
        changed |= changedArea(i < before.size() ? &before[i] : nullptr, paragraph);
        paragraphs_.append(paragraph);
    }
    for (qsizetype i = texts.size(); i < before.size(); ++i) {
        changed |= before[i].area();
    }
    return changed;
}

namespace {

bool hasRightToLeft(const QString& text) {
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

// Where a paragraph's drawing changed. One that only had text typed at its end on the same line
// changed from its last few characters on, or, for characters drawn on their own, where the typed
// ones fall alone: that area never overlaps the one drawn for the character before, so the window
// system need not finish showing that one before this one is drawn. Any other change takes its
// lines, before and after.
QRect Label::changedArea(const Paragraph* before, const Paragraph& after) const {
    if (before == nullptr) {
        return after.area();
    }
    if (before->top == after.top && before->text == after.text) {
        return QRect();
    }
    const QTextLayout& old = *before->layout;
    const QTextLayout& now = *after.layout;
    const int lastLine = now.lineCount() - 1;
    const bool typedOnSameLine =
        before->top == after.top && lastLine >= 0 && old.lineCount() == now.lineCount() &&
        after.text.startsWith(before->text) &&
        old.lineAt(lastLine).textStart() == now.lineAt(lastLine).textStart() &&
        !hasRightToLeft(after.text);
    if (!typedOnSameLine) {
        return before->area() | after.area();
    }
    const QTextLine line = old.lineAt(lastLine);
    const int top = after.top + static_cast<int>(line.y()) - 1;
    const int height = static_cast<int>(std::ceil(line.height())) + 2;
    const QStringView typed = QStringView(after.text).mid(before->text.size());
    if (drawnOnTheirOwn(typed)) {
        const auto [left, right] = typedColumns(line, now.lineAt(lastLine), typed);
        return QRect(left, top, right - left, height);
    }
    const int from = std::max(line.textStart(),
                              static_cast<int>(before->text.size()) - charactersChangedByTyping);
    const int left = static_cast<int>(std::floor(line.cursorToX(from))) - 1;
    return QRect(left, top, QWIDGETSIZE_MAX, height);
}

// The columns the typed characters cover, at the end of the line: from the end of the text
// before them to the end of the last, widened by any part of a glyph that reaches past its own
// advance.
std::pair<int, int> Label::typedColumns(const QTextLine& before, const QTextLine& after,
                                        QStringView typed) const {
    const QFontMetricsF metrics(layoutFont(), this);
    const int typedFrom = before.textStart() + before.textLength();
    const int typedEnd = typedFrom + static_cast<int>(typed.size());
    const qreal from = std::min(before.cursorToX(typedFrom), after.cursorToX(typedFrom)) +
                       std::min(0.0, metrics.leftBearing(typed.front()));
    const qreal to = after.cursorToX(typedEnd) - std::min(0.0, metrics.rightBearing(typed.back()));
    return {static_cast<int>(std::floor(from)), static_cast<int>(std::ceil(to))};
}

// Text of the scripts that need no shaping (Japanese, Latin, ...) is laid out from the font's
// character map alone, which halves the cost of a line; the game's fonts have neither kerning nor
// ligatures for these scripts, so nothing changes on screen.
QFont Label::layoutFont() const {
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    return unshaped;
}

std::shared_ptr<QTextLayout> Label::layOutParagraph(const QString& text, qreal leading,
                                                    qreal* height) const {
    auto layout = std::make_shared<QTextLayout>(text, layoutFont(), this);
    layout->setCacheEnabled(true); // keeps the shaped glyphs for every later drawing
    qreal bottom = -leading;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, std::ceil(bottom + leading)));
        bottom = line.y() + line.ascent() + line.descent();
    }
    layout->endLayout();
    *height = bottom;
    return layout;
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
    QPainter painter(this);
    painter.setPen(textColor_);
    for (const Paragraph& paragraph : paragraphs_) {
        if (paragraph.area().intersects(event->rect())) {
            drawParagraph(painter, paragraph, event->rect());
        }
    }
}

// Draws the paragraph's lines that reach into the area.
void Label::drawParagraph(QPainter& painter, const Paragraph& paragraph, const QRect& area) const {
    const QTextLayout& layout = *paragraph.layout;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal top = paragraph.top + line.y();
        if (top <= area.bottom() + 1 && top + line.height() >= area.top() - 1) {
            line.draw(&painter, QPointF(0, paragraph.top));
        }
    }
}

} // namespace controls
