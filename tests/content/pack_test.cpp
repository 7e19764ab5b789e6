// zoa-content pack: code page 932 output with CR LF line ends, the stand-ins of JIS forms, and,
// run as the build runs it, errors that name the place and leave the output folder as it was;
// a whole sources folder packed into a game folder: pictures and sounds in the formats authors
// make them, turned into the BMP and WAV files the game reads, and what is skipped or refused.
#include "controls/picture.h"
#include "pack/script_pack.h"
#include "pack/script_source.h"
#include "support/tool_run.h"
#include "text/cp932.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <sndfile.h>
#include <vector>

namespace {

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

// The little-endian number of size bytes at the offset; bytes past the end count as 0.
quint32 number(const QByteArray& bytes, int size, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.mid(at, size).leftJustified(4, '\0').constData());
}

// What a BMP file's headers say: "BM", then the size, bits per pixel and compression.
QString bmpLayout(const QByteArray& bytes) {
    return QStringLiteral("%1 %2x%3 %4 bits, compression %5")
        .arg(QString::fromLatin1(bytes.first(std::min<qsizetype>(2, bytes.size()))))
        .arg(static_cast<qint32>(number(bytes, 4, 18)))
        .arg(static_cast<qint32>(number(bytes, 4, 22)))
        .arg(number(bytes, 2, 28))
        .arg(number(bytes, 4, 30));
}

// What a WAV file's 44-byte header says: the format tag, channels, rate, bytes per second and
// per frame, bits, and the data's bytes.
QString waveLayout(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.left(4) + bytes.mid(8, 8) + bytes.mid(36, 4)) +
           QStringLiteral(" %1, %2 channels, %3 Hz, %4 bytes/s, %5-byte frames, %6 bits, %7 bytes")
               .arg(number(bytes, 2, 20))
               .arg(number(bytes, 2, 22))
               .arg(number(bytes, 4, 24))
               .arg(number(bytes, 4, 28))
               .arg(number(bytes, 2, 32))
               .arg(number(bytes, 2, 34))
               .arg(number(bytes, 4, 40));
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

// A fifth of a second of a falling tone, each channel at its own pitch, at half loudness.
bool writeTone(const QString& path, int format, int rate, int channels) {
    SF_INFO info{0, rate, channels, format, 0, 0};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    const int frames = rate / 5;
    std::vector<float> samples;
    for (int frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < channels; ++channel) {
            const double pitch = 440.0 * (channel + 1) * (1.0 - 0.5 * frame / frames);
            samples.push_back(static_cast<float>(0.5 * std::sin(6.2832 * pitch * frame / rate)));
        }
    }
    return file && sf_writef_float(file, samples.data(), frames) == frames && sf_close(file) == 0;
}

// The files under the folder, by their paths in it, in order.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    for (QDirIterator walk(folder, QDir::Files, QDirIterator::Subdirectories); walk.hasNext();) {
        files.append(QDir(folder).relativeFilePath(walk.next()));
    }
    files.sort();
    return files;
}

// Each file under the folder, by its path in it, followed by its bytes in base64.
QStringList contentsUnder(const QString& folder) {
    QStringList contents = filesUnder(folder);
    for (QString& file : contents) {
        file += ' ' + readBytes(folder + '/' + file).toBase64();
    }
    return contents;
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
    } else if (suffix == QLatin1String("description")) {
        writeBytes(path, "駅の\r\nホーム。 \n");
    } else {
        writeBytes(path, "anything\n");
    }
}

} // namespace

class PackTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void packedFileHasCrLfLineEndsAndCodePage932Bytes_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("packed");
        const auto row = [](const char* name, const QByteArray& source, const QByteArray& packed) {
            QTest::newRow(name) << source << packed;
        };
        row("mixed line ends", "a\r\nb\nc\n", "a\r\nb\r\nc\r\n");
        row("lone CR ends a line as in the game", "a\rb\n", "a\r\nb\r\n");
        row("last line without line end", "a\nb", "a\r\nb\r\n");
        row("no extra line after the last", "a\n", "a\r\n");
        row("empty lines the author wrote", "a\n\nb\n\n", "a\r\n\r\nb\r\n\r\n");
        row("empty source", {}, {});
        row("byte order mark dropped", "\xEF\xBB\xBF>\n", ">\r\n");
        row("so: trail byte is a backslash", "ソ\n", "\x83\x5C\r\n");
        row("half-width kana are one byte", "ｿﾞｱ\n", "\xBF\xDE\xB1\r\n");
        row("choice block", ">\nはい\nいいえ\n",
            ">\r\n\x82\xCD\x82\xA2\r\n\x82\xA2\x82\xA2\x82\xA6\r\n");
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
            << QByteArray("\x83\x5C\nab\xFF\n") << QStringList{"1:1" + notUtf8};
    }

    void errorsNameTheirPlaceAndNothingIsWritten() {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, errors);
        Folders folders;
        // A good script before and after the bad one, and an older packed file in the output.
        const QString bad = folders.source("bad.txt");
        writeBytes(folders.source("a_0.txt"), "good\n");
        writeBytes(bad, source);
        writeBytes(folders.source("zoa.txt"), "good\n");
        QVERIFY(QDir().mkpath(folders.output()));
        writeBytes(folders.output() + QStringLiteral("/zoa.txt"), "old\r\n");

        const ToolRun run =
            runTool(ZOA_CONTENT_TOOL, {"pack", folders.sources(), folders.output()});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 errors.replaceInStrings(QRegularExpression("^"), bad + ':'));
        QCOMPARE(QDir(folders.output()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("zoa.txt")});
        QCOMPARE(readBytes(folders.output() + QStringLiteral("/zoa.txt")), QByteArray("old\r\n"));
    }

    void folderMistakesAreErrors_data() {
        QTest::addColumn<QString>("mistake");
        QTest::addColumn<bool>("story"); // packed with -o: pictures and sounds too
        for (const bool story : {false, true}) {
            const auto row = [story](const char* name, const char* mistake) {
                QTest::addRow("%s%s", name, story ? ", -o" : "") << QString(mistake) << story;
            };
            row("sources folder without scripts", "empty");
            row("output folder is the sources folder", "same");
        }
        QTest::newRow("a game folder as sources, -o") << "game folder" << true;
    }

    void folderMistakesAreErrors() {
        QFETCH(QString, mistake);
        QFETCH(bool, story);
        Folders folders;
        QString sources = folders.sources();
        QString output = story ? folders.game() : folders.output();
        if (mistake == QLatin1String("same")) {
            writeBytes(sources + QStringLiteral("/zoa.txt"), "ソ\n");
            output = sources + QStringLiteral("/.");
        } else if (mistake == QLatin1String("game folder")) {
            makeSource(folders.source("dat1/zoa.txt"));
        }
        const QStringList arguments = story ? QStringList{"pack", sources, "-o", output}
                                            : QStringList{"pack", sources, output};
        const ToolRun run = runTool(ZOA_CONTENT_TOOL, arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral(": error: ")), qPrintable(run.err));
        if (mistake == QLatin1String("same")) {
            QCOMPARE(readBytes(sources + QStringLiteral("/zoa.txt")), QByteArray("ソ\n"));
        } else {
            QVERIFY(!QFileInfo::exists(output));
        }
    }

    // Each row: a change to the sources after a first pack, with writes beyond a size failing or
    // a folder where a file is written, and what the pack again reports; then the game folder
    // holds the first pack's files as they were, but for those of sources that are gone, and
    // files an author put there or beside it stay.
    void packAgainLeavesTheGameFolderExact_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<long>("fileSizeLimit");
        QTest::addColumn<QString>("inTheWay"); // a folder made in the game folder
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("gone");
        QTest::newRow("a source deleted") << "-a_0.txt" << 0L << ""
                                          << "" << QStringList{"dat1/a_0.txt"};
        QTest::newRow("a description deleted") << "-opn.description" << 0L << ""
                                               << "" << QStringList{"dat2/opn.description"};
        QTest::newRow("a write that fails")
            << "zoa.txt" << 100L << ""
            << "<G>/dat2/opn.bmp: error: cannot write: File too large\n"
            << QStringList{};
        QTest::newRow("a move into place that fails after another")
            << "opn.png" << 0L << "dat1/zoa.txt"
            << "<G>/dat1/zoa.txt: error: cannot write: something other than a file is in the way\n"
            << QStringList{};
        QTest::newRow("a FLAC announcing 2^36 samples in 42 bytes")
            << "se.flac" << 0L << ""
            << "<S>/se.flac: error: cannot be read as a sound: it holds 0 of the 68719476735 "
               "frames its header announces\n"
            << QStringList{};
    }
    void packAgainLeavesTheGameFolderExact() {
        QFETCH(QString, change);
        QFETCH(long, fileSizeLimit);
        QFETCH(QString, inTheWay);
        QFETCH(QString, report);
        QFETCH(QStringList, gone);
        Folders folders;
        for (const char* name : {"zoa.txt", "a_0.txt", "opn.png", "opn.description"}) {
            makeSource(folders.source(name));
        }
        QCOMPARE(packStory(folders).exitCode, 0);
        writeBytes(folders.game() + "/dat2/mine.bmp", "an author's own file");
        // Names in the list of what pack wrote that lead out of the game folder are not its.
        writeBytes(folders.dir.filePath("outside.txt"), "an author's own file");
        const QString list = folders.game() + "/.zoa-packed";
        writeBytes(list, readBytes(list) + "\n../outside.txt\ndat1/../../outside.txt");
        if (!inTheWay.isEmpty()) {
            QVERIFY(QFile::remove(folders.game() + '/' + inTheWay));
            QVERIFY(QDir().mkpath(folders.game() + '/' + inTheWay + "/taken"));
        }
        QStringList contents = contentsUnder(folders.game());

        if (change.startsWith('-')) {
            QVERIFY(QFile::remove(folders.source(change.mid(1))));
        } else if (change.endsWith(".png")) {
            QVERIFY(quarteredPicture({4, 4}, QImage::Format_RGB32).save(folders.source(change)));
        } else if (change.endsWith(".flac")) {
            writeBytes(folders.source(change),
                       QByteArray::fromHex("664c614380000022100010000000000000000ac442ffffffffff"
                                           "00000000000000000000000000000000"));
        } else {
            writeBytes(folders.source(change), "changed\n");
        }
        const ToolRun run =
            runTool(ZOA_CONTENT_TOOL, {"pack", folders.sources(), "-o", folders.game()}, false,
                    fileSizeLimit);
        QCOMPARE(run.err, report.replace("<G>", folders.game()).replace("<S>", folders.sources()));
        QCOMPARE(run.exitCode, report.isEmpty() ? 0 : 1);
        for (const QString& file : gone) {
            contents.removeIf(
                [&file](const QString& entry) { return entry.startsWith(file + ' '); });
        }
        QCOMPARE(contentsUnder(folders.game()), contents);
        QVERIFY(QFile::exists(folders.dir.filePath("outside.txt")));
    }

    // Each row: the note on the typed character, which names the character, the code written and
    // the character the game reads back.
    void jisFormsAreWrittenAsTheirCodePage932StandIns_data() {
        QTest::addColumn<QString>("note");
        for (const char* note : {"U+301C \"〜\" written as 0x8160 (read back as U+FF5E \"～\")",
                                 "U+2016 \"‖\" written as 0x8161 (read back as U+2225 \"∥\")",
                                 "U+2212 \"−\" written as 0x817C (read back as U+FF0D \"－\")",
                                 "U+00A2 \"¢\" written as 0x8191 (read back as U+FFE0 \"￠\")",
                                 "U+00A3 \"£\" written as 0x8192 (read back as U+FFE1 \"￡\")",
                                 "U+00AC \"¬\" written as 0x81CA (read back as U+FFE2 \"￢\")",
                                 "U+2014 \"—\" written as 0x815C (read back as U+2015 \"―\")"}) {
            QTest::newRow(note) << QString(note);
        }
    }

    // Each is noted once per file, at its first place, and the game reads back the stand-in.
    void jisFormsAreWrittenAsTheirCodePage932StandIns() {
        QFETCH(QString, note);
        const QString typed = note.section('"', 1, 1);
        const QByteArray written = QByteArray::fromHex(note.section(" 0x", 1).left(4).toLatin1());
        const content::PackedScript packed = content::packScript("s", {"え" + typed, "", typed});
        QCOMPARE(packed.bytes, "\x82\xA6" + written + "\r\n\r\n" + written + "\r\n");
        QCOMPARE(packed.diagnostics.size(), 1);
        QCOMPARE(packed.diagnostics.first().toString(), "s:1:2: note: " + note);
        QCOMPARE(text::decodeCp932(written), note.section('"', 3, 3));
    }

    void picturesBecomeTheBmpTheGameReads_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("pixels"); // the QImage::Format saved
        const auto row = [](const char* format, const char* suffix, QSize size,
                            QImage::Format pixels) {
            QTest::addRow("%s %dx%d, format %d", suffix, size.width(), size.height(), pixels)
                << QByteArray(format) << QString(suffix) << size << static_cast<int>(pixels);
        };
        row("png", "png", {64, 48}, QImage::Format_ARGB32);
        row("png", "PNG", {33, 17}, QImage::Format_RGB32);
        row("png", "png", {20, 10}, QImage::Format_Grayscale8);
        row("jpeg", "jpg", {40, 30}, QImage::Format_RGB32);
        row("jpeg", "jpeg", {31, 31}, QImage::Format_RGB32);
        row("bmp", "bmp", {16, 16}, QImage::Format_ARGB32);
        row("bmp", "bmp", {10, 6}, QImage::Format_Indexed8);
        row("webp", "webp", {24, 24}, QImage::Format_RGB32);
    }

    // An uncompressed 24-bit BMP the game reads at the size drawn, each quarter's colour as Qt
    // reads it from the source and the transparent quarter laid on white.
    void picturesBecomeTheBmpTheGameReads() {
        QFETCH(QByteArray, format);
        QFETCH(QString, suffix);
        QFETCH(QSize, size);
        QFETCH(int, pixels);
        if (!QImageWriter::supportedImageFormats().contains(format)) {
            QSKIP("Qt has no plugin for this format here");
        }
        Folders folders;
        makeSource(folders.source("zoa.txt"));
        const QString path = folders.source("pictures/scene." + suffix);
        QVERIFY(quarteredPicture(size, static_cast<QImage::Format>(pixels)).save(path, format));

        const ToolRun run = packStory(folders);
        QCOMPARE(run.err + QString::number(run.exitCode), "0");
        const QString packed = folders.game() + QStringLiteral("/dat2/scene.bmp");
        QCOMPARE(
            bmpLayout(readBytes(packed)),
            QStringLiteral("BM %1x%2 24 bits, compression 0").arg(size.width()).arg(size.height()));
        const QImage read = controls::readPicture(packed);
        const QImage source(path);
        QCOMPARE(read.size(), size);
        for (const int x : {size.width() / 4, size.width() * 3 / 4}) {
            for (const int y : {size.height() / 4, size.height() * 3 / 4}) {
                const QColor drawn = source.pixelColor(x, y);
                QCOMPARE(read.pixel(x, y), drawn.alpha() == 0 ? qRgb(255, 255, 255) : drawn.rgb());
            }
        }
    }

    void soundsBecomeTheWavTheGameReads_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("format"); // libsndfile's
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        const auto row = [](const char* name, const char* suffix, int format, int rate,
                            int channels) {
            QTest::newRow(name) << QString(suffix) << format << rate << channels;
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

    // A PCM WAV of 16 bits at the source's rate and channels, holding the samples the source
    // decodes to, each rounded to the nearest 16-bit step.
    void soundsBecomeTheWavTheGameReads() {
        QFETCH(QString, suffix);
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        Folders folders;
        makeSource(folders.source("zoa.txt"));
        const QString source = folders.source("sounds/bgm." + suffix);
        QVERIFY(writeTone(source, format, rate, channels));

        const ToolRun run = packStory(folders);
        QCOMPARE(run.err + QString::number(run.exitCode), "0");
        SF_INFO in;
        SF_INFO out;
        const std::vector<float> sourceSamples = readSamples(source, in);
        const QString packed = folders.game() + QStringLiteral("/dat2/bgm.wav");
        const std::vector<float> packedSamples = readSamples(packed, out);
        QCOMPARE(waveLayout(readBytes(packed)),
                 QStringLiteral("RIFFWAVEfmt data 1, %1 channels, %2 Hz, %3 bytes/s, %4-byte "
                                "frames, 16 bits, %5 bytes")
                     .arg(in.channels)
                     .arg(in.samplerate)
                     .arg(in.samplerate * in.channels * 2)
                     .arg(in.channels * 2)
                     .arg(sourceSamples.size() * 2));
        QCOMPARE(packedSamples.size(), sourceSamples.size());
        for (std::size_t i = 0; i < packedSamples.size(); ++i) {
            const float steps = std::abs(packedSamples[i] - sourceSamples[i]) * 32768;
            QVERIFY2(steps <= 0.5001f, qPrintable(QString::number(steps) + " steps"));
        }
    }

    // Each row: sources put beside zoa.txt (readable ones unless bytes are given for the last),
    // what pack reports (%1 and %2 for the sources' paths), and the files written besides
    // dat1/zoa.txt; after an error nothing is written.
    void sourcesAreSortedByKind_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("packed");
        const auto row = [](const QStringList& names, const QByteArray& bytes,
                            const QString& report, const QStringList& packed) {
            QTest::newRow(qPrintable(names.join(" + ") + (bytes.isNull() ? "" : " broken")))
                << names << bytes << report << packed;
        };
        for (const char* silent : {"README.txt", "readme.md", "story/ReadMe", ".hidden.txt",
                                   ".git/config.txt", "story/zoa.txt~", "story/.zoa.txt.swp",
                                   "zoa.txt.bak", "#zoa.txt#", "game/dat1/bridge.txt"}) {
            row({silent}, {}, "", {});
        }
        const QString skipped = "%1: note: not a script, picture or sound; skipped\n";
        row({"notes.odt"}, {}, skipped, {});
        row({"music.mid"}, {}, skipped, {});
        row({"story/deeper/a_1.txt"}, {}, "", {"dat1/a_1.txt"});
        row({"B_2.TXT"}, {}, "", {"dat1/B_2.txt"});
        row({"pictures/train.station.png"}, {}, "", {"dat2/train.station.bmp"});
        row({"sounds/se2.ogg", "opn.jpg"}, {}, "", {"dat2/opn.bmp", "dat2/se2.wav"});
        row({"pictures/train.png", "pictures/train.description"}, {}, "",
            {"dat2/train.bmp", "dat2/train.description"});
        row({"bridge.description"}, {},
            "%1: warning: describes no picture: there is no picture "
            "\"bridge\"\n",
            {"dat2/bridge.description"});

        const QString picture = "%1: error: cannot be read as a picture";
        const QString sound = "%1: error: cannot be read as a sound";
        row({"pictures/face.png"}, "not a picture\n", picture, {});
        row({"face.jpg"}, "", picture, {});
        row({"face.bmp"}, "BM\x36\x00\x00\x00", picture, {});
        row({"pictures/huge.png"},
            QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200001f4000001f40080200000089933a"
                                "a3000000004944415435af061e0000000049454e44ae426082"),
            picture + ": 8000×8000 pixels, more than the game reads", {});
        row({"sounds/click.wav"}, "RIFF\4\0\0\0WAVE", sound, {});
        row({"sounds/bgm.ogg"}, "not a sound\n", sound, {});
        row({"se2.flac"}, "", sound, {});

        const QString twice = "%2: error: packs to %3, as %1 does: keep one of the two\n";
        row({"pictures/a.jpg", "pictures/a.png"}, {}, twice.arg("%1", "%2", "dat2/a.bmp"), {});
        row({"se.ogg", "se.wav"}, {}, twice.arg("%1", "%2", "dat2/se.wav"), {});
        row({"one/b.txt", "two/b.txt"}, {}, twice.arg("%1", "%2", "dat1/b.txt"), {});
    }

    void sourcesAreSortedByKind() {
        QFETCH(QStringList, names);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, report);
        QFETCH(QStringList, packed);
        Folders folders;
        makeSource(folders.source("zoa.txt"));
        QStringList paths;
        for (const QString& name : names) {
            paths.append(folders.source(name));
            makeSource(paths.last());
        }
        if (!bytes.isNull()) {
            writeBytes(paths.last(), bytes);
        }
        report = report.arg(paths.first(), paths.last());

        const ToolRun run = packStory(folders);
        const bool failed = report.contains(QStringLiteral(": error: "));
        QCOMPARE(run.exitCode, failed ? 1 : 0);
        QVERIFY2(failed ? run.err.startsWith(report) && run.err.count('\n') == 1
                        : run.err == report,
                 qPrintable(run.err));
        QStringList expected = QStringList{"dat1/zoa.txt"} + packed;
        expected.sort();
        QCOMPARE(filesUnder(folders.game()), failed ? QStringList() : expected);
        // A description is carried byte for byte.
        for (const QString& path : paths.filter(QRegularExpression("\\.description$"))) {
            QCOMPARE(readBytes(folders.game() + "/dat2/" + QFileInfo(path).fileName()),
                     readBytes(path));
        }
    }
};

QTEST_GUILESS_MAIN(PackTest)
#include "pack_test.moc"
