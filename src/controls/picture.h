#pragma once

#include "controls/clickable_widget.h"

#include <QImage>
#include <QPixmap>
#include <QString>

namespace controls {

// A picture control: shows a loaded picture stretched to its rectangle. Disabled, it looks the
// same and only stops taking presses.
class Picture : public ClickableWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent);

    // Reads the picture file afresh. Returns false, keeping the picture shown, when the file is
    // missing or holds no readable picture.
    bool load(const QString& path);
    void clear();
    // The file of the picture shown, or empty when none is shown.
    const QString& fileName() const { return fileName_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scaleToSize();

    QImage image_;
    QPixmap scaled_;
    QString fileName_;
};

// Reads a picture file as the picture controls do; a null image when it cannot be read.
QImage readPicture(const QString& path);

} // namespace controls
