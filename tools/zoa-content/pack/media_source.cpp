#include "pack/media_source.h"

#include "wave_file.h"

#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

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

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, SoundFileCloser>;

// Samples read as floats in [-1, 1) scaled back by 2^15, so that 16-bit sources stay exact.
QByteArray toPcm16(const std::vector<float>& samples, std::size_t count) {
    QByteArray bytes(static_cast<qsizetype>(count * 2), Qt::Uninitialized);
    for (std::size_t i = 0; i < count; ++i) {
        const long sample = std::clamp(std::lround(samples[i] * 32768.0f), -32768L, 32767L);
        qToLittleEndian(static_cast<qint16>(sample), bytes.data() + 2 * i);
    }
    return bytes;
}

// Writes the size fields of a WAV header written with no samples, once the samples are known.
bool patchWaveSizes(QIODevice& out, qint64 dataBytes) {
    const auto put = [&out](qint64 at, quint32 value) {
        char field[4];
        qToLittleEndian(value, field);
        return out.seek(at) && out.write(field, 4) == 4;
    };
    return put(4, static_cast<quint32>(36 + dataBytes)) && put(40, static_cast<quint32>(dataBytes));
}

QString cannotRead(const QString& why) {
    return QStringLiteral("cannot be read as a sound: ") + why;
}

} // namespace

QString writePictureAsBmp(const QString& path, QIODevice& out) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // The game reads the BMP written at 4 bytes a pixel, within Qt's allocation limit: a larger
    // picture is refused by its header's size, before any of it is read.
    const QSize size = reader.size();
    const qint64 limit = qint64{QImageReader::allocationLimit()} << 20;
    if (size.isValid() && limit > 0 && qint64{size.width()} * size.height() * 4 > limit) {
        return QStringLiteral("cannot be read as a picture: %1×%2 pixels, more than the game reads "
                              "(%3 MB at 4 bytes a pixel)")
            .arg(size.width())
            .arg(size.height())
            .arg(QImageReader::allocationLimit());
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return QStringLiteral("cannot be read as a picture: ") + reader.errorString();
    }
    const QImage flat =
        image.hasAlphaChannel() ? onWhite(image) : image.convertToFormat(QImage::Format_RGB888);
    if (flat.isNull() || !flat.save(&out, "BMP")) {
        return QStringLiteral("cannot be written as BMP: ") + out.errorString();
    }
    return {};
}

QString writeSoundAsWav(const QString& path, QIODevice& out, qint64 maxBytes) {
    SF_INFO info{};
    const SoundFile file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file) {
        return cannotRead(QString::fromUtf8(sf_strerror(nullptr)));
    }
    const QByteArray header = generator::pcm16WaveBytes(info.samplerate, info.channels, {});
    if (out.write(header) != header.size()) {
        return QStringLiteral("cannot be written: ") + out.errorString();
    }
    constexpr sf_count_t piece = 4096; // frames read at a time
    std::vector<float> samples(static_cast<std::size_t>(piece * info.channels));
    sf_count_t frames = 0;
    qint64 dataBytes = 0;
    for (sf_count_t read; (read = sf_readf_float(file.get(), samples.data(), piece)) > 0;) {
        frames += read;
        const QByteArray pcm = toPcm16(samples, static_cast<std::size_t>(read * info.channels));
        dataBytes += pcm.size();
        if (dataBytes > maxBytes) {
            return QStringLiteral("too long: more than %1 MiB once written as 16-bit samples")
                .arg(maxBytes >> 20);
        }
        if (out.write(pcm) != pcm.size()) {
            return QStringLiteral("cannot be written: ") + out.errorString();
        }
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR) {
        return cannotRead(QString::fromUtf8(sf_strerror(file.get())));
    }
    if (info.frames != SF_COUNT_MAX && frames < info.frames) {
        return cannotRead(QStringLiteral("it holds %1 of the %2 frames its header announces")
                              .arg(frames)
                              .arg(info.frames));
    }
    return patchWaveSizes(out, dataBytes)
               ? QString()
               : QStringLiteral("cannot be written: ") + out.errorString();
}

} // namespace content
