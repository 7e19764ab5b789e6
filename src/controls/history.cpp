#include "controls/history.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <deque>

namespace controls {

// The lines of the history, the oldest dropped beyond History::keptRows.
class HistoryLines : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void add(const QString& text, bool mark) {
        if (rows_.size() == History::keptRows) {
            beginRemoveRows(QModelIndex(), 0, 0);
            rows_.pop_front();
            endRemoveRows();
        }
        const int row = static_cast<int>(rows_.size());
        beginInsertRows(QModelIndex(), row, row);
        rows_.push_back({text, mark});
        endInsertRows();
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    // A mark is drawn as a rule and read as the start of a scene.
    QVariant data(const QModelIndex& index, int role) const override {
        const Row& row = rows_.at(static_cast<std::size_t>(index.row()));
        if (role == Qt::DisplayRole) {
            return row.mark ? QStringLiteral("――――――――") : row.text;
        }
        if (role == Qt::AccessibleTextRole) {
            return row.mark ? QStringLiteral("場面のはじまり") : row.text;
        }
        return QVariant();
    }

private:
    struct Row {
        QString text;
        bool mark = false;
    };
    std::deque<Row> rows_;
};

History::History(QWidget* over)
    : QListView(over->window()) // a window of its own beside the game's, not inside its control
    , lines_(new HistoryLines(this))
    , over_(over) {
    setWindowFlag(Qt::Popup);
    setAttribute(Qt::WA_NoMouseReplay); // where a platform passes a closing click on: not here
    setModel(lines_);
    setEditTriggers(NoEditTriggers);
    setWordWrap(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The game goes on meanwhile and may give its keys to another control (a choice opens):
    // the history keeps them, so that a screen reader stays on its line.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (isVisible() && now != this) {
            setFocus(Qt::PopupFocusReason);
        }
    });
    setAccessibleName(QStringLiteral("履歴"));
    setAccessibleDescription(QStringLiteral("上下で一行ずつ、Escape で閉じる"));
}

// The selected line is drawn in the colours turned around.
void History::setColors(const QColor& text, const QColor& background) {
    QPalette colors = palette();
    colors.setColor(QPalette::Base, background);
    colors.setColor(QPalette::Text, text);
    colors.setColor(QPalette::Highlight, text);
    colors.setColor(QPalette::HighlightedText, background);
    setPalette(colors);
}

void History::addLine(const QString& line) {
    if (!line.isEmpty()) {
        lines_->add(line, false);
    }
}

void History::markEvent() {
    lines_->add(QString(), true);
}

void History::open() {
    if (isVisible()) {
        return;
    }
    setFont(over_->font());
    setGeometry(QRect(over_->mapToGlobal(QPoint(0, 0)), over_->size()));
    setCurrentIndex(lines_->index(lines_->rowCount(QModelIndex()) - 1));
    show();
    scrollToBottom();
}

void History::keyPressEvent(QKeyEvent* event) {
    const bool onLastLine = currentIndex().row() == lines_->rowCount(QModelIndex()) - 1;
    if (event->key() == Qt::Key_Escape || (event->key() == Qt::Key_PageDown && onLastLine)) {
        close();
        return;
    }
    QListView::keyPressEvent(event);
}

// A press outside closes it and goes no further. The popup has it first, before its list would
// take it as a press on no line.
bool History::event(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        !rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        close();
        return true;
    }
    return QListView::event(event);
}

// The keys go back to the control that had them; a screen reader is told so, as Qt gives that
// control its focus back without a word.
void History::hideEvent(QHideEvent* event) {
    QListView::hideEvent(event);
    QWidget* back = over_->window()->focusWidget();
    if (back != nullptr && QAccessible::isActive()) {
        QAccessibleEvent focus(back, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace controls
