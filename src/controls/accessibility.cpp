#include "controls/accessibility.h"

#include "controls/box.h"
#include "controls/clickable_widget.h"
#include "controls/label.h"

#include <QAccessibleWidget>
#include <QVariant>

#include <deque>
#include <optional>

namespace controls {

namespace {

const char* const offersControls = "platform.offersControls";

// One announcement of a control: a notification named with the text announced, which screen
// readers speak when it is shown. Each has its own object, so that a reader that asks for the
// name later still finds the text of its own announcement.
class Announcement : public QAccessibleInterface {
public:
    Announcement(QAccessibleInterface* control, const QString& text)
        : control_(control)
        , text_(text) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return control_->window(); }
    QAccessibleInterface* parent() const override { return control_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return control_->rect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    // Not drawn apart from its control: a review of the window passes it by.
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

private:
    QAccessibleInterface* control_;
    QString text_;
};

// What the text window offers a reader: the lines it shows, without the empty lines above the
// first line of an event's text (which starts at the bottom), from where its text starts in the
// label's own text.
struct OfferedText {
    QString text;
    int start = 0;
};

// A control as its offer says. The text window is read-only text whose characters, rows and
// positions are those drawn.
class ControlAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ControlAccessible(ClickableWidget* control)
        : QAccessibleWidget(control)
        , toldName_(control->nameForReaders()) {}
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

    void tellIfNameChanged() {
        const QString name = control()->nameForReaders();
        if (name == toldName_) {
            return;
        }
        toldName_ = name;
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }

    // Until its text next changes, the text window offers an empty page.
    void startPage() { pageStart_ = control()->shownText(); }

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
        switch (t) {
        case QAccessible::Name:
            return control()->nameForReaders();
        case QAccessible::Description:
            return control()->descriptionForReaders();
        default:
            return QAccessibleWidget::text(t);
        }
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

    // The text window's text interface, over the offered text.
    QString text(int startOffset, int endOffset) const override {
        return offered().text.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(offered().text.size()); }
    // The caret stands at the start, so that a reader's "say all" reads every line.
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int offset) const override {
        const OfferedText shown = offered();
        if (offset < 0 || offset >= shown.text.size()) {
            return QRect();
        }
        const QRect drawn = label()->characterRect(shown.start + offset);
        return QRect(control()->mapToGlobal(drawn.topLeft()), drawn.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const OfferedText shown = offered();
        const int offset = label()->offsetAt(control()->mapFromGlobal(point)) - shown.start;
        return offset >= 0 && offset < shown.text.size() ? offset : -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    // Lines are the rows drawn; other boundaries as Qt finds them in the text.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override {
        if (boundary != QAccessible::LineBoundary) {
            return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
        }
        return row(offset, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override {
        if (boundary != QAccessible::LineBoundary) {
            return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset,
                                                              endOffset);
        }
        row(offset, startOffset, endOffset);
        return row(*startOffset - 1, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override {
        if (boundary != QAccessible::LineBoundary) {
            return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset,
                                                             endOffset);
        }
        row(offset, startOffset, endOffset);
        if (*endOffset >= characterCount()) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        return row(*endOffset, startOffset, endOffset);
    }

private:
    ClickableWidget* control() const { return static_cast<ClickableWidget*>(widget()); }
    Label* label() const { return qobject_cast<Label*>(widget()); }
    bool isTextWindow() const {
        return control()->offer() == Offer::TextWindow && label() != nullptr;
    }

    OfferedText offered() const {
        const QString shown = control()->shownText();
        if (pageStart_ && shown == *pageStart_) {
            return {};
        }
        pageStart_.reset();
        int start = 0;
        while (start < shown.size() && shown.at(start) == QLatin1Char('\n')) {
            ++start;
        }
        return {shown.mid(start), start};
    }

    // The drawn row holding an offset; empty, at -1, outside the text.
    QString row(int offset, int* startOffset, int* endOffset) const {
        const OfferedText shown = offered();
        if (offset < 0 || offset > shown.text.size() || shown.text.isEmpty()) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        const auto [rowStart, rowEnd] = label()->rowAround(shown.start + offset);
        *startOffset = rowStart - shown.start;
        *endOffset = rowEnd - shown.start;
        return shown.text.mid(*startOffset, *endOffset - *startOffset);
    }

    static constexpr std::size_t keptAnnouncements = 9;
    std::deque<QAccessible::Id> announcements_; // Qt's registry of interfaces owns them
    QString toldName_;
    mutable std::optional<QString> pageStart_; // the text shown when the page started
};

bool isDecoration(const QWidget* widget) {
    const auto* control = qobject_cast<const ClickableWidget*>(widget);
    return qobject_cast<const Box*>(widget) != nullptr ||
           (control != nullptr && control->offer() == Offer::Nothing);
}

// The game window: its controls without the decoration, and the history while it is shown (a
// window of its own whose parent is this one: a reader that does not find it among its parent's
// children takes it for gone and never names it).
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
            if (control != nullptr &&
                (control->isWindow() ? control->isVisible() : !isDecoration(control))) {
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

// The control's interface while a screen reader listens; none otherwise.
ControlAccessible* listened(ClickableWidget* control) {
    if (!QAccessible::isActive() || control->offer() == Offer::Nothing) {
        return nullptr;
    }
    return dynamic_cast<ControlAccessible*>(QAccessible::queryAccessibleInterface(control));
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

void announce(ClickableWidget* control, const QString& text) {
    if (ControlAccessible* accessible = listened(control)) {
        accessible->announce(text);
    }
}

void startPage(ClickableWidget* textWindow) {
    if (ControlAccessible* accessible = listened(textWindow)) {
        accessible->startPage();
    }
}

void tellNameChanged(ClickableWidget* control) {
    if (ControlAccessible* accessible = listened(control)) {
        accessible->tellIfNameChanged();
    }
}

} // namespace controls
