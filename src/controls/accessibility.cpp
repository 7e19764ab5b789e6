#include "controls/accessibility.h"

#include "controls/box.h"
#include "controls/clickable_widget.h"

#include <QAccessibleWidget>
#include <QVariant>

#include <deque>

namespace controls {

namespace {

const char* const offersControls = "platform.offersControls";

// One announcement of the text window: a notification named with the text announced, which
// screen readers speak when it is shown. Each has its own object, so that a reader that asks for
// the name later still finds the text of its own announcement.
class Announcement : public QAccessibleInterface {
public:
    Announcement(QAccessibleInterface* textWindow, const QString& text)
        : textWindow_(textWindow)
        , text_(text) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return textWindow_->window(); }
    QAccessibleInterface* parent() const override { return textWindow_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return textWindow_->rect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    // Not drawn apart from the text window: a review of the window's text passes it by.
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

private:
    QAccessibleInterface* textWindow_;
    QString text_;
};

// A control as its offer says; the text window's text is the text it shows.
class ControlAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ControlAccessible(ClickableWidget* control)
        : QAccessibleWidget(control) {}
    ~ControlAccessible() override {
        for (const QAccessible::Id announcement : announcements_) {
            QAccessible::deleteAccessibleInterface(announcement);
        }
    }

    // The last announcements stay, as many as the lines of the text window.
    void announce(const QString& text) {
        if (announcements_.size() == keptAnnouncements) {
            QAccessible::deleteAccessibleInterface(announcements_.front());
            announcements_.pop_front();
        }
        auto* announcement = new Announcement(this, text);
        announcements_.push_back(QAccessible::registerAccessibleInterface(announcement));
        QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    QAccessible::Role role() const override {
        switch (control()->offer()) {
        case Offer::Button:
            return QAccessible::Button;
        case Offer::TextWindow:
            return QAccessible::EditableText; // read-only below: AT-SPI's "text"
        case Offer::Nothing:
            break;
        }
        return QAccessible::Client;
    }
    QString text(QAccessible::Text t) const override {
        QString found = QAccessibleWidget::text(t);
        return t == QAccessible::Name && found.isEmpty() ? control()->shownText() : found;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (isTextWindow()) {
            state.readOnly = true;
            state.multiLine = true;
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && isTextWindow()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return static_cast<int>(announcements_.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount()
                   ? QAccessible::accessibleInterface(announcements_.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessible::accessibleInterface(announcements_.at(i)) == child) {
                return i;
            }
        }
        return -1;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (control()->offer() != Offer::Nothing && control()->isEnabled()) {
            names.prepend(pressAction()); // first: the default action
        }
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            control()->pressAndRelease();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    // The text window's text: the lines it shows, one a line.
    QString text(int startOffset, int endOffset) const override {
        return control()->shownText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(control()->shownText().size()); }
    // The caret stands after the last line, so a reader starts there.
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    ClickableWidget* control() const { return static_cast<ClickableWidget*>(widget()); }
    bool isTextWindow() const { return control()->offer() == Offer::TextWindow; }

    static constexpr std::size_t keptAnnouncements = 9;
    std::deque<QAccessible::Id> announcements_; // Qt's registry of interfaces owns them
};

bool isDecoration(const QWidget* widget) {
    const auto* control = qobject_cast<const ClickableWidget*>(widget);
    return qobject_cast<const Box*>(widget) != nullptr ||
           (control != nullptr && control->offer() == Offer::Nothing);
}

// The game window: its controls without the decoration.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(offered().size()); }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList controls = offered();
        return index >= 0 && index < controls.size()
                   ? QAccessible::queryAccessibleInterface(controls.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr
                   ? static_cast<int>(offered().indexOf(qobject_cast<QWidget*>(child->object())))
                   : -1;
    }

private:
    QWidgetList offered() const {
        QWidgetList controls;
        for (QObject* child : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control != nullptr && !control->isWindow() && !isDecoration(control)) {
                controls.append(control);
            }
        }
        return controls;
    }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    if (className == QLatin1String("controls::ClickableWidget")) {
        return new ControlAccessible(static_cast<ClickableWidget*>(object));
    }
    if (object->property(offersControls).toBool()) {
        return new WindowAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void offerToAssistiveTechnology(QWidget* window) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(offersControls, true);
}

void announce(ClickableWidget* textWindow, const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    auto* accessible =
        dynamic_cast<ControlAccessible*>(QAccessible::queryAccessibleInterface(textWindow));
    if (accessible != nullptr) {
        accessible->announce(text);
    }
}

} // namespace controls
