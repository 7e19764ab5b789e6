#include "checks/line_slips.h"

namespace content {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x3000);
}

// Full-width letters and signs read as their half-width forms, in lower case.
QString folded(QStringView text) {
    return text.toString().normalized(QString::NormalizationForm_KC).toLower();
}

// The bracket that closes the one a picture name opens with, or a null character.
QChar closingBracket(QChar opening) {
    static const QString pairs = QStringLiteral("[]()<>{}［］（）「」【】");
    const qsizetype at = pairs.indexOf(opening);
    return at >= 0 && at % 2 == 0 ? pairs.at(at + 1) : QChar();
}

bool hasFileExtension(const QString& name) {
    for (const char* suffix : {".png", ".bmp", ".jpg", ".jpeg", ".gif", ".webp"}) {
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

} // namespace

QString typedAsTextSlip(QStringView line) {
    qsizetype start = 0;
    while (start < line.size() && isBlank(line.at(start))) {
        ++start;
    }
    const QStringView rest = line.sliced(start);
    const bool blanks = start > 0;
    const QString head = rest.left(3).toString();
    if (folded(head) == QLatin1String("img") &&
        (rest.size() == 3 || !rest.at(3).isLetterOrNumber())) {
        return QStringLiteral("typed as text, not a picture line: ") +
               (blanks ? QStringLiteral("write \"img\" at the line's start, without blanks")
                       : QStringLiteral("write \"%1\" as \"img\", in half-width lower case")
                             .arg(head));
    }
    if (!rest.isEmpty() && folded(rest.left(1)) == QLatin1String(">")) {
        return QStringLiteral("typed as text, not a choice marker: ") +
               (blanks ? QStringLiteral("write \">\" at the line's start, without blanks")
                       : QStringLiteral("write the full-width \"%1\" as the half-width \">\"")
                             .arg(rest.at(0)));
    }
    return {};
}

QString pictureNameSlip(QStringView line, const QString& name) {
    const QChar closing = closingBracket(line.at(3));
    if (!closing.isNull() && line.back() != closing) {
        return QStringLiteral("the line does not end with \"%1\", so the game takes \"%2\" for "
                              "the picture's name")
            .arg(closing)
            .arg(name);
    }
    if (hasFileExtension(name)) {
        return QStringLiteral("the game adds \".bmp\" to the name itself: write %1%2%3")
            .arg(line.first(4))
            .arg(name.section(QLatin1Char('.'), 0, -2))
            .arg(line.back());
    }
    return {};
}

} // namespace content
