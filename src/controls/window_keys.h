#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

class QKeyEvent;
class QWidget;

namespace controls {

class ClickableWidget;

// The keys of the game window: the keys that reach the window because no control took them (the
// scroll bars keep theirs). The control with the focus takes the press keys as a left press and
// release when it offers a button or the text window, and the right-press keys as a right press
// when it offers a button; any other key, and one the focused control does not take, goes to the
// first control bound to it that is shown and enabled, or else to the action bound to it. Keys
// held down act once.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    enum class Act { PressAndRelease, PressRight, Focus };

    // Return, Enter and Space; the context-menu key and Shift+F10.
    static QList<QKeyCombination> pressKeys();
    static QList<QKeyCombination> rightPressKeys();

    explicit WindowKeys(QWidget* window);
    void bind(const QList<QKeyCombination>& keys, ClickableWidget* control, Act act);
    void bind(const QList<QKeyCombination>& keys, const std::function<void()>& action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QKeyCombination key;
        QPointer<ClickableWidget> control;
        Act act;
    };
    bool actOnFocused(const QWidget* window, QKeyCombination key);
    bool actOnBound(QKeyCombination key);

    std::vector<Binding> bindings_;
    std::vector<std::pair<QKeyCombination, std::function<void()>>> actions_;
};

} // namespace controls
