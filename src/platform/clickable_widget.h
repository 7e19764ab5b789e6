#pragma once

#include <QWidget>

namespace platform {

// A control that reports mouse presses and clicks the way the game's handlers expect them:
// a press runs on the press alone, with the button code (1 left, 2 right, 4 middle); a click is a
// left-button press and release on the same control.
class ClickableWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

Q_SIGNALS:
    void pressed(int button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click is a double click, not a further press or click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool leftDown_ = false;
};

} // namespace platform
