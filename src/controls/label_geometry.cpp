// Where a label draws each character of its text, for screen readers that review the text: from
// the same layout the label draws with.
#include "controls/label.h"

#include <QTextLayout>

namespace controls {

// The paragraph holding an offset of the shown text, and the offset where it starts. The offset
// of a paragraph's line break, just past its end, belongs to it.
std::pair<const Label::Paragraph*, int> Label::paragraphAt(int offset) {
    if (!laidOut_) {
        layOut();
    }
    int start = 0;
    for (const Paragraph& paragraph : std::as_const(paragraphs_)) {
        const int end = start + static_cast<int>(paragraph.text.size());
        if (offset >= start && offset <= end) {
            return {&paragraph, start};
        }
        start = end + 1;
    }
    return {nullptr, 0};
}

QRect Label::characterRect(int offset) {
    const auto [paragraph, start] = paragraphAt(offset);
    const int position = offset - start;
    const QTextLine line =
        paragraph ? paragraph->layout->lineForTextPosition(position) : QTextLine();
    if (!line.isValid()) {
        return QRect();
    }
    const qreal left = line.cursorToX(position);
    const qreal right = position < paragraph->text.size() ? line.cursorToX(position + 1) : left;
    return QRectF(left, paragraph->top + line.y(), right - left, line.height()).toAlignedRect();
}

std::pair<int, int> Label::rowAround(int offset) {
    const auto [paragraph, start] = paragraphAt(offset);
    const QTextLine line =
        paragraph ? paragraph->layout->lineForTextPosition(offset - start) : QTextLine();
    if (!line.isValid()) {
        return {offset, offset};
    }
    const int rowStart = start + line.textStart();
    const bool lastRow = line.lineNumber() == paragraph->layout->lineCount() - 1;
    const int rowEnd = lastRow ? start + static_cast<int>(paragraph->text.size()) + 1
                               : rowStart + line.textLength();
    return {rowStart, std::min(rowEnd, static_cast<int>(shownText_.size()))};
}

int Label::offsetAt(const QPoint& point) {
    if (!laidOut_) {
        layOut();
    }
    int start = 0;
    for (const Paragraph& paragraph : std::as_const(paragraphs_)) {
        const QTextLayout& layout = *paragraph.layout;
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const qreal top = paragraph.top + line.y();
            if (point.y() >= top && point.y() < top + line.height()) {
                return start + line.xToCursor(point.x());
            }
        }
        start += static_cast<int>(paragraph.text.size()) + 1;
    }
    return -1;
}

} // namespace controls
