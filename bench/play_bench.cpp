// Figures of play measured inside one game process: the cadence of typing, typing speed at the
// shortest interval, the cost of one tick, and the speed of script reading. (The CPU of typing is
// measured from outside, on the real program: typing_bench.)
#include "bench_table.h"
#include "controls/fonts.h"
#include "controls/message_box.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "controls/timer.h"
#include "host/host_facts.h"
#include "host/random_source.h"
#include "media/sdl_media_service.h"
#include "text/cp932.h"
#include "text/script_file.h"
#include "window/fom.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cmath>

namespace {

using Clock = std::chrono::steady_clock;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

// A content folder with a title, one picture and a long event without a choice.
void writeContent(const QString& folder) {
    QDir().mkpath(folder + QStringLiteral("/dat1"));
    QDir().mkpath(folder + QStringLiteral("/dat2"));
    QImage picture(320, 320, QImage::Format_RGB888);
    picture.fill(QColor(40, 60, 120));
    picture.save(folder + QStringLiteral("/dat2/opn.bmp"), "BMP");
    picture.save(folder + QStringLiteral("/dat2/zoa.bmp"), "BMP");
    const QByteArray line =
        text::encodeCp932(QStringLiteral("夜の港に灯がともり、波の音だけが静かに響いていた。"))
            .bytes;
    QByteArray script;
    for (int i = 0; i < 2000; ++i) {
        script += line + "\r\n";
    }
    writeFile(folder + QStringLiteral("/dat1/zoa.txt"), script);
}

void runEventLoop(int milliseconds) {
    QTimer::singleShot(milliseconds, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

struct TypingRun {
    std::vector<double> intervalsMs;
    int charactersTyped = 0;
};

TypingRun typeFor(Fom& fom, int speed, int milliseconds) {
    TypingRun run;
    std::vector<Clock::time_point> ticks;
    // Runs after the game's own handler: a tick that left a position above 0 typed a character.
    const auto connection = QObject::connect(fom.TimIve, &controls::Timer::tick, [&] {
        ticks.push_back(Clock::now());
        run.charactersTyped += fom.linePos > 0 ? 1 : 0;
    });
    fom.HsclTim->setValue(speed);
    fom.IveStt(QStringLiteral("zoa"), QStringLiteral("zoa"));
    runEventLoop(milliseconds);
    QObject::disconnect(connection);
    fom.TimIve->setEnabled(false);
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        run.intervalsMs.push_back(
            std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count());
    }
    return run;
}

void measureTyping(Fom& fom) {
    std::vector<double> means;
    std::vector<double> deviations;
    for (int run = 0; run < 3; ++run) {
        const TypingRun typing = typeFor(fom, 100, 10000);
        double sum = 0;
        std::vector<double> offBy;
        for (double interval : typing.intervalsMs) {
            sum += interval;
            offBy.push_back(std::abs(interval - 100.0));
        }
        means.push_back(typing.intervalsMs.empty() ? 0 : sum / typing.intervalsMs.size());
        deviations.push_back(percentile(offBy, 99));
    }
    printRow(QStringLiteral("typing cadence at 100 ms: mean interval, p99 deviation"),
             QString::number(median(means), 'f', 2) + QStringLiteral(" ms, ") +
                 QString::number(median(deviations), 'f', 2) + QStringLiteral(" ms"),
             QStringLiteral("mean within 1 %, p99 within 5 ms"));

    std::vector<double> rates;
    for (int run = 0; run < 3; ++run) {
        const TypingRun fast = typeFor(fom, 1, 2000);
        rates.push_back(fast.charactersTyped / 2.0);
    }
    printRow(QStringLiteral("typing speed at 1 ms a character (median of 3)"),
             QString::number(median(rates), 'f', 0) + QStringLiteral(" characters/s"),
             QStringLiteral(">= 900"));
}

// One tick that types a character with nine full lines on screen: compose and set the text.
void measureTick(Fom& fom) {
    const QString full(40, QChar(0x3042));
    std::vector<double> batches;
    for (int batch = 0; batch < 7; ++batch) {
        double total = 0;
        constexpr int ticks = 5000;
        for (int i = 0; i < ticks; ++i) {
            fom.textLines.fill(full);
            fom.textLines[8] = full.left(39);
            fom.scriptLine = full;
            fom.linePos = 39;
            const auto start = Clock::now();
            fom.TimIve_Timer();
            total += std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        }
        batches.push_back(total / ticks);
    }
    printRow(QStringLiteral("cost of one tick with nine full lines (median of 7 batches)"),
             QString::number(median(batches), 'f', 2) + QStringLiteral(" us"),
             QStringLiteral("<= 100 us"));
}

void measureReading(const QString& folder) {
    const QByteArray line =
        text::encodeCp932(QStringLiteral("「ソ」と①、ｱｲｳ、そして漢字の行 with ASCII text")).bytes +
        "\r\n";
    QByteArray script;
    while (script.size() < 64 * 1024 * 1024) {
        script += line;
    }
    const QString path = folder + QStringLiteral("/large.txt");
    writeFile(path, script);
    std::vector<double> rates;
    for (int run = 0; run < 3; ++run) {
        text::ScriptFile file;
        file.open(path);
        const auto start = Clock::now();
        qsizetype characters = 0;
        while (!file.atEnd()) {
            characters += file.readLine().size();
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        rates.push_back(script.size() / seconds / 1e6);
        Q_UNUSED(characters);
    }
    QFile::remove(path);
    printRow(QStringLiteral("script reading speed, 64 MB script (median of 3)"),
             QString::number(median(rates), 'f', 0) + QStringLiteral(" MB/s"),
             QStringLiteral(">= 50 MB/s"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    controls::installFontSubstitutes();
    QTemporaryDir dir;
    writeContent(dir.path());
    host::QtHostFacts screen;
    {
        host::FixedHostFacts host(dir.path(), screen.screenHeightTwips());
        media::SdlMediaService media;
        host::ClockRandom random;
        controls::QtMessageBox messageBox;
        Fom fom(GamePlatform{host, media, random, messageBox});
        fom.show();
        runEventLoop(300);
        measureTyping(fom);
        measureTick(fom);
        measureReading(dir.path());
    }
    return 0;
}
