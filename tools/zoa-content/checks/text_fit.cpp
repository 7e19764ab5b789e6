#include "checks/text_fit.h"

#include "controls/box.h"
#include "controls/label.h"
#include "pack/script_source.h"
#include "window/fom.h"

#include <algorithm>

namespace content {

namespace {

using Rows = QList<controls::Label::Row>;

// How many of the rows end above the limit, in pixels from the label's top.
int rowsAbove(const Rows& rows, qreal limit) {
    return static_cast<int>(std::count_if(
        rows.cbegin(), rows.cend(), [limit](const auto& row) { return row.bottom <= limit; }));
}

bool tooWide(const Rows& rows, int width) {
    return std::any_of(rows.cbegin(), rows.cend(),
                       [width](const auto& row) { return row.right > width + 0.5; });
}

QString onScreen(const GameWindows::Window& window) {
    return QStringLiteral("on a screen %1 pixels high").arg(window.screenHeight);
}

// "the game breaks it after column 20, into 14 rows", or that a word is cut at the right edge.
QString howLaidOut(const QString& text, const Rows& rows, int width, const QString& place) {
    if (tooWide(rows, width)) {
        return QStringLiteral("a word of it is wider than the %1 and is cut at its right edge")
            .arg(place);
    }
    if (rows.size() < 2) {
        return QStringLiteral("the game shows it in one row");
    }
    return QStringLiteral("the game breaks it after column %1, into %2 rows")
        .arg(columnOf(text, rows.at(1).start) - 1)
        .arg(rows.size());
}

} // namespace

TextFit::TextFit(const GameWindows& windows) {
    const QStringList oneCharacterLines(100, QStringLiteral("x"));
    for (const GameWindows::Window& window : windows.windows()) {
        const controls::Label& label = *window.fom->Lbl;
        const Rows rows = label.rowsOf(oneCharacterLines.join(QStringLiteral("\r\n")));
        measured_.push_back({&window, rowsAbove(rows, label.height()), {}});
    }
}

std::optional<TextFit::Overflow> TextFit::windowOverflow(const Shown& lines, int typedLine) const {
    for (const Measured& measured : measured_) {
        if (auto overflow = windowOverflow(lines, typedLine, measured)) {
            return overflow;
        }
    }
    return std::nullopt;
}

std::optional<TextFit::Overflow> TextFit::windowOverflow(const Shown& lines, int typedLine,
                                                         const Measured& measured) const {
    const controls::Label& label = *measured.window->fom->Lbl;
    std::array<Rows, 9> rows;
    int total = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto cached = measured.rowsOf.constFind(lines[i]);
        if (cached == measured.rowsOf.cend()) {
            cached = measured.rowsOf.insert(lines[i], label.rowsOf(lines[i]));
        }
        rows[i] = *cached;
        total += static_cast<int>(rows[i].size());
    }
    const bool wide = std::any_of(rows.cbegin(), rows.cend(),
                                  [&label](const Rows& r) { return tooWide(r, label.width()); });
    if (total <= measured.windowRows && !wide) {
        return std::nullopt;
    }
    // The line to blame: one cut at the right edge, else the one that takes the most rows.
    std::size_t worst = lines.size() - 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool cut = tooWide(rows[i], label.width());
        if (cut || (!wide && rows[i].size() > rows[worst].size())) {
            worst = i;
            if (cut) {
                break;
            }
        }
    }
    QString message =
        QStringLiteral("does not fit the text window: %1 %2")
            .arg(onScreen(*measured.window), howLaidOut(lines[worst], rows[worst], label.width(),
                                                        QStringLiteral("text window")));
    if (!wide) {
        const QString when = worst + 1 == lines.size()
                                 ? QStringLiteral("with the eight lines before it")
                                 : QStringLiteral("when line %1 is typed below it").arg(typedLine);
        message += QStringLiteral(", and %1 the window would need %2 rows; it shows %3, the rest "
                                  "is cut off")
                       .arg(when)
                       .arg(total)
                       .arg(measured.windowRows);
    }
    return Overflow{static_cast<int>(worst), message};
}

QString TextFit::captionOverflow(const QString& caption) const {
    for (const Measured& measured : measured_) {
        const Fom& fom = *measured.window->fom;
        const controls::Label& label = *fom.Qst[0];
        const Rows rows = label.rowsOf(caption);
        const int boxRows = rowsAbove(rows, fom.QstBak[0]->geometry().bottom() + 1 - label.y());
        if (rows.size() > boxRows || tooWide(rows, label.width())) {
            return QStringLiteral("caption does not fit its box: %1 %2; the box shows %3 rows")
                .arg(onScreen(*measured.window),
                     howLaidOut(caption, rows, label.width(), QStringLiteral("box")))
                .arg(boxRows);
        }
    }
    return {};
}

} // namespace content
