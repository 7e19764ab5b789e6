#pragma once

#include "platform/clickable_widget.h"

#include <QBasicTimer>
#include <QColor>
#include <QElapsedTimer>
#include <QString>

namespace platform {

// A text label that shows its caption as plain text, never as markup: aligned top left, CR LF
// starting a new line, long lines wrapped, and whatever falls below the lower edge cut off.
// Its background is transparent. Caption changes are drawn at most once per screen frame, so
// typing at one character a millisecond does not spend the time on drawing.
class Label : public ClickableWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    bool showsText() const override { return true; }
    QString shownText() const override { return shownText_; }
    void setTextColor(const QColor& color);
    QColor textColor() const { return textColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void scheduleRepaint();

    QString caption_;
    QString shownText_;
    QColor textColor_ = Qt::black;
    QBasicTimer repaintTimer_;
    QElapsedTimer sinceRepaint_;
};

} // namespace platform
