#pragma once

#include <QColor>
#include <QWidget>

namespace controls {

// A filled rectangle with a thin border. It takes no mouse events: presses on it reach whatever
// lies beneath.
class Box : public QWidget {
    Q_OBJECT
public:
    explicit Box(QWidget* parent);

    void setBackColor(const QColor& color);
    QColor backColor() const { return backColor_; }
    void setBorderColor(const QColor& color);
    QColor borderColor() const { return borderColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColor_ = Qt::white;
    QColor borderColor_ = Qt::black;
};

} // namespace controls
