#pragma once

#include <QScrollBar>

namespace controls {

// A horizontal scroll bar. `changed` comes when the value has changed: an assignment by the program
// that changes it, an arrow or track click, a key, or the end of a drag. `scrolled` comes at each
// move of the thumb while it is dragged, when the value itself has not changed yet. Its menu opens
// for the mouse only: the context-menu key goes on to the window, whose keys it serves.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ScrollBar(QWidget* parent);

Q_SIGNALS:
    void changed(int value);
    void scrolled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace controls
