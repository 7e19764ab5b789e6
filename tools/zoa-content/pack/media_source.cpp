#include "pack/media_source.h"

#include "wave_file.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sndfile.h>
#include <vector>

namespace content {

namespace {

// The BMP the game reads holds no transparency: transparent parts are laid on white.
QImage onWhite(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

// Samples read as floats in [-1, 1) scaled back by 2^15, so that 16-bit sources stay exact.
std::vector<qint16> toPcm16(const std::vector<float>& samples) {
    std::vector<qint16> pcm;
    pcm.reserve(samples.size());
    for (const float sample : samples) {
        pcm.push_back(
            static_cast<qint16>(std::clamp(std::lround(sample * 32768.0f), -32768L, 32767L)));
    }
    return pcm;
}

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

} // namespace

ConvertedMedia pictureAsBmp(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        return {{}, QStringLiteral("cannot be read as a picture: ") + reader.errorString()};
    }
    const QImage flat =
        image.hasAlphaChannel() ? onWhite(image) : image.convertToFormat(QImage::Format_RGB888);
    ConvertedMedia converted;
    QBuffer buffer(&converted.bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!flat.save(&buffer, "BMP")) {
        return {{}, QStringLiteral("cannot be written as BMP")};
    }
    return converted;
}

ConvertedMedia soundAsWav(const QString& path) {
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, SoundFileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file) {
        return {{},
                QStringLiteral("cannot be read as a sound: ") +
                    QString::fromUtf8(sf_strerror(nullptr))};
    }
    std::vector<float> samples(static_cast<std::size_t>(info.frames) *
                               static_cast<std::size_t>(info.channels));
    const sf_count_t read = sf_readf_float(file.get(), samples.data(), info.frames);
    if (read != info.frames) {
        return {{},
                QStringLiteral("cannot be read as a sound: ") +
                    QString::fromUtf8(sf_strerror(file.get()))};
    }
    return {generator::pcm16WaveBytes(info.samplerate, info.channels, toPcm16(samples)), {}};
}

} // namespace content
