#include "controls/picture.h"

#include "text/picture_description.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
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
    setFileName(path);
    scaleToSize();
    update();
    return true;
}

void Picture::clear() {
    image_ = QImage();
    scaled_ = QPixmap();
    setFileName(QString());
    update();
}

void Picture::setFileName(const QString& path) {
    fileName_ = path;
    description_.reset();
    nameMayHaveChanged();
}

QString Picture::description() const {
    if (!description_) {
        description_ = text::readPictureDescription(fileName_);
    }
    return *description_;
}

QString Picture::nameForReaders() const {
    if (namedForItsPress()) {
        return accessibleName();
    }
    if (!description().isEmpty()) {
        return description();
    }
    QStringList words = {kind_, QFileInfo(fileName_).completeBaseName()};
    words.removeAll(QString());
    return words.join(QLatin1Char(' '));
}

QString Picture::descriptionForReaders() const {
    if (!isEnabled()) {
        return QString();
    }
    if (namedForItsPress() && !description().isEmpty()) {
        return accessibleDescription() + QLatin1Char(' ') + description();
    }
    return accessibleDescription();
}

void Picture::changeEvent(QEvent* event) {
    ClickableWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        nameMayHaveChanged();
    }
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
