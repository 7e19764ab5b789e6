#pragma once

#include <QListView>

namespace controls {

class HistoryLines;

// The history: the lines of this run, in order, with a mark where each event began; the last
// keptRows are kept. Opened over the text window, it is a read-only list that the keyboard walks
// line by line (Up, Down, PageUp, PageDown, Home, End) and a screen reader reads as a list of
// lines, the last line selected. Escape, PageDown on the last line or a click outside close it,
// and the keys go back where they were. Lines keep coming while it is open.
class History : public QListView {
    Q_OBJECT
public:
    static constexpr int keptRows = 10000;

    // Opens over the given widget, in its font.
    explicit History(QWidget* over);

    void setColors(const QColor& text, const QColor& background);
    // An empty line adds nothing.
    void addLine(const QString& line);
    void markEvent();
    void open();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    HistoryLines* lines_;
    QWidget* over_;
};

} // namespace controls
