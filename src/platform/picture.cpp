#include "platform/picture.h"

#include <QImageReader>
#include <QPainter>

namespace platform {

QImage readPicture(const QString& path) {
    // Content pictures are BMP files: Qt's own reader takes them without loading the image
    // format plugins, which costs the title several milliseconds.
    QImageReader bmpReader(path, "bmp");
    bmpReader.setAutoDetectImageFormat(false);
    QImage image = bmpReader.read();
    if (!image.isNull()) {
        return image;
    }
    QImageReader reader(path);
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
}

void Picture::scaleToSize() {
    // Scaled once per load or resize, so painting is a plain copy.
    scaled_ = image_.isNull() || size().isEmpty()
                  ? QPixmap()
                  : QPixmap::fromImage(
                        image_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    if (scaled_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, scaled_);
}

} // namespace platform
