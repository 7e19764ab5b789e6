#pragma once

#include <QWidget>

namespace controls {

// What a control offers besides the mouse: to the keyboard focus and to assistive technology.
enum class Offer {
    Nothing,    // decoration: no focus, no object of its own for assistive technology
    Button,     // takes the focus by Tab; keys and a press action do what a click does
    TextWindow, // takes the focus by Tab; read as text, with a press action as a click
};

// A control that reports mouse presses and clicks the way the game's handlers expect them:
// a press runs on the press alone, with the button code (1 left, 2 right, 4 middle); a click is a
// left-button press and release on the same control.
class ClickableWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    void setOffer(Offer offer);
    Offer offer() const { return offer_; }
    // Whether the control shows text (a label), and the text it shows, as a reader reads it.
    virtual bool showsText() const { return false; }
    virtual QString shownText() const { return {}; }
    // What a screen reader says of the control: its accessible name, or else the text it shows;
    // and its accessible description, which says what its keys do.
    virtual QString nameForReaders() const;
    virtual QString descriptionForReaders() const { return accessibleDescription(); }

    // What a left-button press and release on the control do, and a right-button press: the
    // ways in of the keyboard and of assistive technology. Like the mouse, they reach neither a
    // hidden nor a disabled control.
    void pressAndRelease();
    void pressRight();

Q_SIGNALS:
    void pressed(int button);
    void clicked();
    // The mouse wheel turned up (away from the player) over the control.
    void wheeledUp();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click is a double click, not a further press or click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Tells screen readers that the name may have changed (a caption's new text, a picture).
    void nameMayHaveChanged();

private:
    bool leftDown_ = false;
    Offer offer_ = Offer::Nothing;
};

} // namespace controls
