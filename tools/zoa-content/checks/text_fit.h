#pragma once

#include "checks/game_windows.h"
#include "controls/label.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace content {

// Whether text fits where the game shows it, on every screen the game windows are laid out for:
// the lines in the text window, whose rows below its lower edge are cut off, and a caption in
// its box. Rows are those the game's own text label lays out.
class TextFit {
public:
    explicit TextFit(const GameWindows& windows);

    // The text window's nine lines, the one just typed last.
    using Shown = std::array<QString, 9>;
    struct Overflow {
        int line = 0; // of the nine, the one that takes the most rows
        QString message;
    };
    // Nothing when the window shows every row of the lines whole on every screen; typedLine is
    // the number in its script of the line typed last, for the message.
    std::optional<Overflow> windowOverflow(const Shown& lines, int typedLine) const;

    // Why the caption does not fit its box, or an empty text.
    QString captionOverflow(const QString& caption) const;

private:
    struct Measured {
        const GameWindows::Window* window = nullptr;
        int windowRows = 0; // of text lines, that the text window shows whole
        mutable QHash<QString, QList<controls::Label::Row>> rowsOf; // each line's, laid out once
    };
    std::optional<Overflow> windowOverflow(const Shown& lines, int typedLine,
                                           const Measured& measured) const;

    std::vector<Measured> measured_;
};

} // namespace content
