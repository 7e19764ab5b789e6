// zoa-content pack: code page 932 output with CR LF line ends, the stand-ins of JIS forms, and,
// run as the build runs it, errors that name the place and leave the output folder as it was;
// a whole sources folder packed into a game folder: pictures and sounds in the formats authors
// make them, turned into the BMP and WAV files the game reads, and what is skipped or refused.
#include "commands/pack.h"
#include "commands/script_source.h"
#include "platform/cp932.h"
#include "platform/picture.h"
#include "support/tool_run.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <sndfile.h>
#include <vector>

namespace {

ToolRun pack(const QString& sources, const QString& output) {
    return runTool(ZOA_CONTENT_TOOL, {QStringLiteral("pack"), sources, output});
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A sources folder and an output folder side by side.
struct Folders {
    QTemporaryDir dir;
    QString sources() const { return dir.filePath(QStringLiteral("story")); }
    QString output() const { return dir.filePath(QStringLiteral("dat1")); }
    QString game() const { return dir.filePath(QStringLiteral("game")); }
    // A file in the sources, its folders made.
    QString source(const QString& name) const {
        const QString path = sources() + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        return path;
    }
    Folders() { QDir().mkpath(sources()); }
};

ToolRun packStory(const Folders& folders) {
    return runTool(ZOA_CONTENT_TOOL, {QStringLiteral("pack"), folders.sources(),
                                      QStringLiteral("-o"), folders.game()});
}

quint32 read32(const QByteArray& bytes, qsizetype at) {
    return at + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0;
}

quint16 read16(const QByteArray& bytes, qsizetype at) {
    return at + 2 <= bytes.size() ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}

// What a BMP file's headers say: "BM", then the size, bits per pixel and compression.
QString bmpLayout(const QByteArray& bytes) {
    return QStringLiteral("%1 %2x%3 %4 bits, compression %5")
        .arg(QString::fromLatin1(bytes.first(std::min<qsizetype>(2, bytes.size()))))
        .arg(static_cast<qint32>(read32(bytes, 18)))
        .arg(static_cast<qint32>(read32(bytes, 22)))
        .arg(read16(bytes, 28))
        .arg(read32(bytes, 30));
}

// What a WAV file's chunks say: the format tag, channels, rate, bits, and the data's bytes.
QString waveLayout(const QByteArray& bytes) {
    QString layout = QString::fromLatin1(bytes.first(std::min<qsizetype>(4, bytes.size()))) +
                     QString::fromLatin1(bytes.mid(8, 4));
    for (qsizetype at = 12; at + 8 <= bytes.size(); at += 8 + read32(bytes, at + 4)) {
        const QByteArray id = bytes.mid(at, 4);
        if (id == "fmt ") {
            layout += QStringLiteral(" format %1, %2 channels, %3 Hz, %4 bits")
                          .arg(read16(bytes, at + 8))
                          .arg(read16(bytes, at + 10))
                          .arg(read32(bytes, at + 12))
                          .arg(read16(bytes, at + 22));
        } else if (id == "data") {
            layout += QStringLiteral(", %1 data bytes").arg(read32(bytes, at + 4));
        }
    }
    return layout;
}

// A picture with a different colour in each quarter, so that a flipped or shifted copy shows.
QImage quarteredPicture(QSize size, QImage::Format format) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, QColor(200, 30, 30));
    painter.fillRect(w, 0, size.width() - w, h, QColor(30, 200, 30));
    painter.fillRect(0, h, w, size.height() - h, QColor(30, 30, 200));
    painter.end();
    return image.convertToFormat(format);
}

// Samples read back through libsndfile as floats; empty when the file cannot be read.
std::vector<float> readSamples(const QString& path, SF_INFO& info) {
    info = SF_INFO{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        return {};
    }
    std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    return samples;
}

bool writeSamples(const QString& path, int format, SF_INFO info,
                  const std::vector<float>& samples) {
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) {
        return false;
    }
    const sf_count_t frames = static_cast<sf_count_t>(samples.size()) / info.channels;
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

// A fifth of a second of a falling tone, each channel at its own pitch, at half loudness.
bool writeTone(const QString& path, int format, int rate, int channels) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    const int frames = rate / 5;
    std::vector<float> samples;
    for (int frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < channels; ++channel) {
            const double pitch = 440.0 * (channel + 1) * (1.0 - 0.5 * frame / frames);
            samples.push_back(static_cast<float>(0.5 * std::sin(6.2832 * pitch * frame / rate)));
        }
    }
    return writeSamples(path, format, info, samples);
}

QStringList filesUnder(const QString& folder) {
    QStringList files;
    const QDir dir(folder);
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        for (const QString& name : QDir(dir.filePath(sub)).entryList(QDir::Files, QDir::Name)) {
            files.append(sub + QLatin1Char('/') + name);
        }
    }
    return files;
}

// A readable source of the kind its suffix names: a script, a small picture or a short tone.
void makeSource(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("txt")) {
        writeBytes(path, "text\n");
    } else if (suffix == QLatin1String("wav") || suffix == QLatin1String("ogg")) {
        const int format = suffix == QLatin1String("wav") ? SF_FORMAT_WAV | SF_FORMAT_PCM_16
                                                          : SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        QVERIFY(writeTone(path, format, 22050, 1));
    } else if (QImageWriter::supportedImageFormats().contains(suffix.toLatin1())) {
        QVERIFY(quarteredPicture({8, 8}, QImage::Format_RGB32).save(path));
    } else {
        writeBytes(path, "anything\n");
    }
}

// Copies the demo story into a sources folder the way an author might keep it: the scripts in
// story/, the pictures as PNG in pictures/, the sounds as FLAC in sounds/.
void makeDemoSources(const Folders& folders) {
    const QDir scripts(QStringLiteral(ZOA_STORY_SOURCES));
    for (const QString& name : scripts.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QVERIFY(QFile::copy(scripts.filePath(name), folders.source("story/" + name)));
    }
    const QDir media(QStringLiteral(ZOA_DEMO_FOLDER "/dat2"));
    for (const QString& name : media.entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
        const QString png = QFileInfo(name).completeBaseName() + QStringLiteral(".png");
        QVERIFY(QImage(media.filePath(name)).save(folders.source("pictures/" + png)));
    }
    for (const QString& name : media.entryList({QStringLiteral("*.wav")}, QDir::Files)) {
        SF_INFO info;
        const std::vector<float> samples = readSamples(media.filePath(name), info);
        const QString flac = QFileInfo(name).completeBaseName() + QStringLiteral(".flac");
        QVERIFY(writeSamples(folders.source("sounds/" + flac), SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
                             info, samples));
    }
}

} // namespace

class PackTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void packedFileHasCrLfLineEndsAndCodePage932Bytes_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("packed");
        QTest::newRow("mixed line ends")
            << QByteArray("a\r\nb\nc\n") << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("lone CR ends a line as in the game")
            << QByteArray("a\rb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("last line without line end")
            << QByteArray("a\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("no extra line after the last") << QByteArray("a\n") << QByteArray("a\r\n");
        QTest::newRow("empty lines the author wrote")
            << QByteArray("a\n\nb\n\n") << QByteArray("a\r\n\r\nb\r\n\r\n");
        QTest::newRow("empty source") << QByteArray() << QByteArray();
        QTest::newRow("byte order mark dropped")
            << QByteArray("\xEF\xBB\xBF>\n") << QByteArray(">\r\n");
        QTest::newRow("so: trail byte is a backslash")
            << QByteArray("ソ\n") << QByteArray("\x83\x5C\r\n");
        QTest::newRow("half-width kana are one byte")
            << QByteArray("ｿﾞｱ\n") << QByteArray("\xBF\xDE\xB1\r\n");
        QTest::newRow("choice block")
            << QByteArray(">\nはい\nいいえ\n")
            << QByteArray(">\r\n\x82\xCD\x82\xA2\r\n\x82\xA2\x82\xA2\x82\xA6\r\n");
    }

    void packedFileHasCrLfLineEndsAndCodePage932Bytes() {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, packed);
        const content::ScriptSource script = content::readScriptSource("s", source);
        QCOMPARE(script.diagnostics.size(), 0);
        QCOMPARE(content::packScript("s", script.lines).bytes, packed);
    }

    void errorsNameTheirPlaceAndNothingIsWritten_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("errors"); // after "<file>:"
        const auto cannot = [](const char* place, const QString& character) {
            return QString("%1: error: character %2 cannot be written in code page 932")
                .arg(place, character);
        };
        const QString notUtf8 = ": error: bytes that are not UTF-8 (the source must be UTF-8 text)";
        QTest::newRow("euro sign")
            << QByteArray("ok\nab€c\n") << QStringList{cannot("2:3", "U+20AC \"€\"")};
        QTest::newRow("yen sign would come back as a backslash")
            << QByteArray("¥100\n") << QStringList{cannot("1:1", "U+00A5 \"¥\"")};
        QTest::newRow("a pair of surrogates is one column")
            << QByteArray("あ😀€\n")
            << QStringList{cannot("1:2", "U+1F600 \"😀\""), cannot("1:3", "U+20AC \"€\"")};
        QTest::newRow("control character without a glyph")
            << QByteArray("a\xC2\x85\n") << QStringList{cannot("1:2", "U+0085")};
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("\x83\x5C\nab\xFF\n") << QStringList{"1:1" + notUtf8, "2:3" + notUtf8};
    }

    void errorsNameTheirPlaceAndNothingIsWritten() {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, errors);
        Folders folders;
        // A good script before and after the bad one, and an older packed file in the output.
        writeBytes(folders.sources() + QStringLiteral("/a_0.txt"), "good\n");
        writeBytes(folders.sources() + QStringLiteral("/bad.txt"), source);
        writeBytes(folders.sources() + QStringLiteral("/zoa.txt"), "good\n");
        QVERIFY(QDir().mkpath(folders.output()));
        writeBytes(folders.output() + QStringLiteral("/zoa.txt"), "old\r\n");

        const ToolRun run = pack(folders.sources(), folders.output());
        QCOMPARE(run.exitCode, 1);
        QStringList expected;
        const QString file = folders.sources() + QStringLiteral("/bad.txt:");
        for (const QString& error : errors) {
            expected.append(file + error);
        }
        QCOMPARE(run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        QCOMPARE(QDir(folders.output()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("zoa.txt")});
        QCOMPARE(readBytes(folders.output() + QStringLiteral("/zoa.txt")), QByteArray("old\r\n"));
    }

    void folderMistakesAreErrors_data() {
        QTest::addColumn<QString>("mistake");
        QTest::newRow("missing sources folder") << QStringLiteral("missing");
        QTest::newRow("sources folder without scripts") << QStringLiteral("empty");
        QTest::newRow("output folder is the sources folder") << QStringLiteral("same");
    }

    void folderMistakesAreErrors() {
        QFETCH(QString, mistake);
        Folders folders;
        QString sources = folders.sources();
        QString output = folders.output();
        if (mistake == QLatin1String("missing")) {
            sources = folders.dir.filePath(QStringLiteral("nowhere"));
        } else if (mistake == QLatin1String("same")) {
            writeBytes(sources + QStringLiteral("/zoa.txt"), "ソ\n");
            output = sources + QStringLiteral("/.");
        }
        const ToolRun run = pack(sources, output);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral(": error: ")), qPrintable(run.err));
        if (mistake == QLatin1String("same")) {
            QCOMPARE(readBytes(sources + QStringLiteral("/zoa.txt")), QByteArray("ソ\n"));
        } else {
            QVERIFY(!QFileInfo::exists(output));
        }
    }

    // Each row: the typed character, the bytes written, and the character the game reads back.
    void jisFormsAreWrittenAsTheirCodePage932StandIns_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<QString>("note");
        const auto row = [](const char* name, const QString& typed, const QByteArray& written,
                            const QString& readBack, const QString& note) {
            QTest::newRow(name) << typed << written << readBack << note;
        };
        row("wave dash", "〜", "\x81\x60", "～",
            "U+301C \"〜\" written as 0x8160 (read back as U+FF5E \"～\")");
        row("double vertical line", "‖", "\x81\x61", "∥",
            "U+2016 \"‖\" written as 0x8161 (read back as U+2225 \"∥\")");
        row("minus sign", "−", "\x81\x7C", "－",
            "U+2212 \"−\" written as 0x817C (read back as U+FF0D \"－\")");
        row("cent sign", "¢", "\x81\x91", "￠",
            "U+00A2 \"¢\" written as 0x8191 (read back as U+FFE0 \"￠\")");
        row("pound sign", "£", "\x81\x92", "￡",
            "U+00A3 \"£\" written as 0x8192 (read back as U+FFE1 \"￡\")");
        row("not sign", "¬", "\x81\xCA", "￢",
            "U+00AC \"¬\" written as 0x81CA (read back as U+FFE2 \"￢\")");
        row("em dash", "—", "\x81\x5C", "―",
            "U+2014 \"—\" written as 0x815C (read back as U+2015 \"―\")");
    }

    // Each is noted once per file, at its first place, and the game reads back the stand-in.
    void jisFormsAreWrittenAsTheirCodePage932StandIns() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        QFETCH(QString, readBack);
        QFETCH(QString, note);
        const content::PackedScript packed = content::packScript("s", {"え" + typed, "", typed});
        QCOMPARE(packed.bytes, "\x82\xA6" + written + "\r\n\r\n" + written + "\r\n");
        QCOMPARE(packed.diagnostics.size(), 1);
        QCOMPARE(packed.diagnostics.first().toString(), "s:1:2: note: " + note);
        QCOMPARE(platform::decodeCp932(written), readBack);
    }

    void picturesBecomeTheBmpTheGameReads_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("pixels");    // the QImage::Format saved
        QTest::addColumn<int>("tolerance"); // of each colour channel, for lossy formats
        const auto row = [](const char* name, const char* format, const char* suffix, QSize size,
                            QImage::Format pixels, int tolerance) {
            QTest::newRow(name) << QByteArray(format) << QString::fromLatin1(suffix) << size
                                << static_cast<int>(pixels) << tolerance;
        };
        row("png with transparency", "png", "png", {64, 48}, QImage::Format_ARGB32, 0);
        row("png of odd width", "png", "PNG", {33, 17}, QImage::Format_RGB32, 0);
        row("png of grey levels", "png", "png", {20, 10}, QImage::Format_Grayscale8, 0);
        row("jpeg", "jpeg", "jpg", {40, 30}, QImage::Format_RGB32, 12);
        row("jpeg spelled out", "jpeg", "jpeg", {31, 31}, QImage::Format_RGB32, 12);
        row("bmp of 32 bits", "bmp", "bmp", {16, 16}, QImage::Format_ARGB32, 0);
        row("bmp of 8 bits", "bmp", "bmp", {10, 6}, QImage::Format_Indexed8, 0);
        row("webp", "webp", "webp", {24, 24}, QImage::Format_RGB32, 0);
    }

    // The game reads the packed picture at the size drawn, each quarter's colour kept and the
    // transparent quarter laid on white; the file is an uncompressed 24-bit BMP.
    void picturesBecomeTheBmpTheGameReads() {
        QFETCH(QByteArray, format);
        QFETCH(QString, suffix);
        QFETCH(QSize, size);
        QFETCH(int, pixels);
        QFETCH(int, tolerance);
        if (!QImageWriter::supportedImageFormats().contains(format)) {
            QSKIP("Qt has no writer for this format here");
        }
        Folders folders;
        writeBytes(folders.source("zoa.txt"), "text\n");
        const QImage drawn = quarteredPicture(size, static_cast<QImage::Format>(pixels));
        QVERIFY(drawn.save(folders.source("pictures/scene." + suffix), format.constData()));

        const ToolRun run = packStory(folders);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        const QString packed = folders.game() + QStringLiteral("/dat2/scene.bmp");
        QCOMPARE(
            bmpLayout(readBytes(packed)),
            QStringLiteral("BM %1x%2 24 bits, compression 0").arg(size.width()).arg(size.height()));
        const QImage read = platform::readPicture(packed);
        QCOMPARE(read.size(), size);
        const QImage source = QImage(folders.source("pictures/scene." + suffix));
        for (const QPoint& at : {QPoint(size.width() / 4, size.height() / 4),
                                 QPoint(size.width() * 3 / 4, size.height() / 4),
                                 QPoint(size.width() / 4, size.height() * 3 / 4)}) {
            const QColor want = source.pixelColor(at);
            const QColor got = read.pixelColor(at);
            QVERIFY2(std::abs(want.red() - got.red()) <= tolerance &&
                         std::abs(want.green() - got.green()) <= tolerance &&
                         std::abs(want.blue() - got.blue()) <= tolerance,
                     qPrintable(got.name() + " for " + want.name()));
        }
        const QPoint clear(size.width() * 3 / 4, size.height() * 3 / 4);
        const QColor seen = source.hasAlphaChannel() && source.pixelColor(clear).alpha() == 0
                                ? QColor(Qt::white)
                                : source.pixelColor(clear);
        QCOMPARE(read.pixelColor(clear).name(), seen.name());
    }

    void soundsBecomeTheWavTheGameReads_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("format"); // libsndfile's
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        const auto row = [](const char* name, const char* suffix, int format, int rate,
                            int channels) {
            QTest::newRow(name) << QString::fromLatin1(suffix) << format << rate << channels;
        };
        row("wav of 8 bits, mono", "wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 11025, 1);
        row("wav of 16 bits, stereo", "wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2);
        row("wav of 24 bits, mono", "WAV", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 1);
        row("wav of floats, stereo", "wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 22050, 2);
        row("ogg vorbis, stereo", "ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2);
        row("ogg vorbis, mono, .oga", "oga", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 1);
        row("flac of 16 bits, mono", "flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1);
        row("flac of 24 bits, stereo", "flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 96000, 2);
    }

    // The packed sound is a PCM WAV of 16 bits at the source's rate and channels, holding the
    // samples the source decodes to, to the nearest 16-bit step.
    void soundsBecomeTheWavTheGameReads() {
        QFETCH(QString, suffix);
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        Folders folders;
        writeBytes(folders.source("zoa.txt"), "text\n");
        const QString source = folders.source("sounds/bgm." + suffix);
        QVERIFY(writeTone(source, format, rate, channels));

        const ToolRun run = packStory(folders);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        SF_INFO sourceInfo;
        const std::vector<float> sourceSamples = readSamples(source, sourceInfo);
        const QString packed = folders.game() + QStringLiteral("/dat2/bgm.wav");
        QCOMPARE(waveLayout(readBytes(packed)),
                 QStringLiteral("RIFFWAVE format 1, %1 channels, %2 Hz, 16 bits, %3 data bytes")
                     .arg(sourceInfo.channels)
                     .arg(sourceInfo.samplerate)
                     .arg(sourceSamples.size() * 2));
        SF_INFO packedInfo;
        const std::vector<float> packedSamples = readSamples(packed, packedInfo);
        QCOMPARE(packedSamples.size(), sourceSamples.size());
        float largestDifference = 0;
        for (std::size_t i = 0; i < packedSamples.size(); ++i) {
            largestDifference =
                std::max(largestDifference, std::abs(packedSamples[i] - sourceSamples[i]));
        }
        QVERIFY2(largestDifference <= 1.0f / 32768, qPrintable(QString::number(largestDifference)));
    }

    void unreadablePicturesAndSoundsAreErrors_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // after "<file>: error: "
        QTest::newRow("text named .png") << "pictures/face.png" << QByteArray("not a picture\n")
                                         << "cannot be read as a picture";
        QTest::newRow("empty jpeg")
            << "pictures/face.jpg" << QByteArray() << "cannot be read as a picture";
        QTest::newRow("bmp cut short")
            << "face.bmp" << QByteArray("BM\x36\x00\x00\x00") << "cannot be read as a picture";
        QTest::newRow("wav without its chunks")
            << "sounds/click.wav" << QByteArray("RIFF\4\0\0\0WAVE") << "cannot be read as a sound";
        QTest::newRow("text named .ogg")
            << "sounds/bgm.ogg" << QByteArray("not a sound\n") << "cannot be read as a sound";
        QTest::newRow("empty flac") << "se2.flac" << QByteArray() << "cannot be read as a sound";
    }

    // The error names the file, and not even the readable sources beside it are written.
    void unreadablePicturesAndSoundsAreErrors() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        Folders folders;
        makeSource(folders.source("zoa.txt"));
        makeSource(folders.source("pictures/opn.png"));
        makeSource(folders.source("sounds/se.ogg"));
        writeBytes(folders.source(name), bytes);

        const ToolRun run = packStory(folders);
        QCOMPARE(run.exitCode, 1);
        const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(folders.source(name) + ": error: " + error),
                 qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(folders.game()));
    }

    void sourcesAreSortedByKind_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("noted");         // skipped with a note rather than silently
        QTest::addColumn<QStringList>("packed"); // besides dat1/zoa.txt
        const auto row = [](const char* name, bool noted, const QStringList& packed) {
            QTest::newRow(name) << QString::fromUtf8(name) << noted << packed;
        };
        row("README.txt", false, {});
        row("readme.md", false, {});
        row("story/ReadMe", false, {});
        row(".hidden.txt", false, {});
        row(".git/config.txt", false, {});
        row("story/zoa.txt~", false, {});
        row("story/.zoa.txt.swp", false, {});
        row("zoa.txt.bak", false, {});
        row("#zoa.txt#", false, {});
        row("game/dat1/bridge.txt", false, {});
        row("notes.odt", true, {});
        row("music.mid", true, {});
        row("story/deeper/a_1.txt", false, {"dat1/a_1.txt"});
        row("B_2.TXT", false, {"dat1/B_2.txt"});
        row("pictures/train.station.png", false, {"dat2/train.station.bmp"});
        row("sounds/se2.ogg", false, {"dat2/se2.wav"});
    }

    void sourcesAreSortedByKind() {
        QFETCH(QString, name);
        QFETCH(bool, noted);
        QFETCH(QStringList, packed);
        Folders folders;
        makeSource(folders.source("zoa.txt"));
        makeSource(folders.source(name));

        const ToolRun run = packStory(folders);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err,
                 noted ? folders.source(name) + ": note: not a script, picture or sound; skipped\n"
                       : QString());
        QStringList expected = QStringList{"dat1/zoa.txt"} + packed;
        expected.sort();
        QCOMPARE(filesUnder(folders.game()), expected);
    }

    void twoSourcesForOneFileAreAnError_data() {
        QTest::addColumn<QString>("first"); // in path order
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("packed");
        QTest::newRow("a picture in two formats") << "pictures/a.jpg"
                                                  << "pictures/a.png"
                                                  << "dat2/a.bmp";
        QTest::newRow("a sound in two formats") << "se.ogg"
                                                << "se.wav"
                                                << "dat2/se.wav";
        QTest::newRow("a script in two folders") << "one/b.txt"
                                                 << "two/b.txt"
                                                 << "dat1/b.txt";
    }

    void twoSourcesForOneFileAreAnError() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, packed);
        Folders folders;
        makeSource(folders.source("zoa.txt"));
        makeSource(folders.source(first));
        makeSource(folders.source(second));

        const ToolRun run = packStory(folders);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("%1: error: packs to %2, as %3 does\n")
                              .arg(folders.source(second), packed, folders.source(first)));
        QVERIFY(!QFileInfo::exists(folders.game()));
    }

    void checkReadsASourcesFolder_data() {
        QTest::addColumn<QString>("change"); // made to the demo's sources
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("finding"); // a line the check prints, after the sources folder
        QTest::newRow("as made") << "" << 0 << "";
        QTest::newRow("a picture that cannot be read")
            << "pictures/zoa.png" << 1 << "/pictures/zoa.png: error: cannot be read as a picture";
        QTest::newRow("a script's mistake")
            << "story/zoa.txt" << 1
            << "/story/zoa.txt:1: error: picture line too short to name a picture";
    }

    // The demo's sources, kept as an author would, check clean; findings name the sources.
    void checkReadsASourcesFolder() {
        QFETCH(QString, change);
        QFETCH(int, exitCode);
        QFETCH(QString, finding);
        Folders folders;
        makeDemoSources(folders);
        if (change.endsWith(QLatin1String(".png"))) {
            writeBytes(folders.source(change), "broken");
        } else if (!change.isEmpty()) {
            writeBytes(folders.source(change), "img\n" + readBytes(folders.source(change)));
        }
        const ToolRun run = runTool(ZOA_CONTENT_TOOL, {QStringLiteral("check"), folders.sources()});
        QCOMPARE(run.exitCode, exitCode);
        if (finding.isEmpty()) {
            QVERIFY2(run.out.contains(QStringLiteral(": 0 errors, 0 warnings")),
                     qPrintable(run.out));
        } else {
            QVERIFY2(run.out.contains(folders.sources() + finding), qPrintable(run.out));
        }
    }
};

QTEST_GUILESS_MAIN(PackTest)
#include "pack_test.moc"
