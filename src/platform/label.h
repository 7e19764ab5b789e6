#pragma once

#include "platform/clickable_widget.h"

#include <QColor>
#include <QString>

namespace platform {

// A text label that shows its caption as plain text, never as markup: aligned top left, CR LF
// starting a new line, long lines wrapped, and whatever falls below the lower edge cut off.
// Its background is transparent.
class Label : public ClickableWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    void setTextColor(const QColor& color);
    QColor textColor() const { return textColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QString shownText_;
    QColor textColor_ = Qt::black;
};

} // namespace platform
