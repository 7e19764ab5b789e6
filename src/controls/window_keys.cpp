#include "controls/window_keys.h"

#include "controls/clickable_widget.h"
#include "controls/focus_mark.h"

#include <QKeyEvent>

namespace controls {

namespace {

void act(ClickableWidget* control, WindowKeys::Act act) {
    switch (act) {
    case WindowKeys::Act::PressAndRelease:
        control->pressAndRelease();
        break;
    case WindowKeys::Act::PressRight:
        control->pressRight();
        break;
    case WindowKeys::Act::Focus:
        control->setFocus(Qt::OtherFocusReason);
        break;
    }
}

} // namespace

QList<QKeyCombination> WindowKeys::pressKeys() {
    return {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
}

QList<QKeyCombination> WindowKeys::rightPressKeys() {
    return {Qt::Key_Menu, QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)};
}

WindowKeys::WindowKeys(QWidget* window)
    : QObject(window) {
    window->installEventFilter(this);
}

void WindowKeys::bind(const QList<QKeyCombination>& keys, ClickableWidget* control, Act act) {
    for (const QKeyCombination key : keys) {
        bindings_.push_back({key, control, act});
    }
}

void WindowKeys::bind(const QList<QKeyCombination>& keys, const std::function<void()>& action) {
    for (const QKeyCombination key : keys) {
        actions_.emplace_back(key, action);
    }
}

// The window sees a key press when the focused control left it, or when nothing has the focus.
bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (keyEvent->isAutoRepeat()) {
        return false; // a key held down acts once
    }
    // The keypad's Enter and digits count as the main keyboard's.
    const QKeyCombination key(keyEvent->modifiers() & ~Qt::KeypadModifier,
                              static_cast<Qt::Key>(keyEvent->key()));
    auto* window = static_cast<QWidget*>(watched);
    if (!actOnFocused(window, key) && !actOnBound(key)) {
        return false;
    }
    showFocusMark(window, true);
    return true;
}

bool WindowKeys::actOnFocused(const QWidget* window, QKeyCombination key) {
    auto* focused = qobject_cast<ClickableWidget*>(window->focusWidget());
    if (focused == nullptr || focused->offer() == Offer::Nothing) {
        return false;
    }
    if (pressKeys().contains(key)) {
        focused->pressAndRelease();
    } else if (rightPressKeys().contains(key) && focused->offer() == Offer::Button) {
        focused->pressRight();
    } else {
        return false;
    }
    return true;
}

bool WindowKeys::actOnBound(QKeyCombination key) {
    for (const Binding& binding : bindings_) {
        if (binding.key == key && binding.control && binding.control->isVisible() &&
            binding.control->isEnabled()) {
            act(binding.control, binding.act);
            return true;
        }
    }
    for (const auto& [bound, action] : actions_) {
        if (bound == key) {
            action();
            return true;
        }
    }
    return false;
}

} // namespace controls
