#include "controls/picture.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace controls {

QImage readPicture(const QString& path) {
    // A file that cannot be opened holds no picture; Qt's readers would each warn about it.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QImage();
    }
    // Content pictures are BMP files: Qt's own reader takes them without loading the image
    // format plugins, which costs the title several milliseconds.
    QImageReader bmpReader(&file, "bmp");
    bmpReader.setAutoDetectImageFormat(false);
    QImage image = bmpReader.read();
    if (!image.isNull() || !file.seek(0)) {
        return image;
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

Picture::Picture(QWidget* parent)
    : ClickableWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

bool Picture::load(const QString& path) {
    QImage image = readPicture(path);
    if (image.isNull()) {
        return false;
    }
    image_ = std::move(image);
    fileName_ = path;
    scaleToSize();
    update();
    return true;
}

void Picture::clear() {
    image_ = QImage();
    scaled_ = QPixmap();
    fileName_.clear();
    update();
}

void Picture::resizeEvent(QResizeEvent*) {
    scaleToSize();
    update();
}

// Scaled once per load, resize or change of screen scale, to the screen's own pixels, so that a
// high-density screen shows the picture from its full pixels and painting is a plain copy.
void Picture::scaleToSize() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (image_.isNull() || pixels.isEmpty()) {
        scaled_ = QPixmap();
    } else {
        scaled_ = QPixmap::fromImage(
            image_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
}

void Picture::paintEvent(QPaintEvent*) {
    if (scaled_.isNull()) {
        return;
    }
    if (scaled_.devicePixelRatio() != devicePixelRatioF()) {
        scaleToSize();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, scaled_);
}

} // namespace controls
