// Start-up as a player sees it: from exec to the moment the title picture's pixels are on the X
// server's screen, polled every millisecond. The game is compared with a floor program
// (title_floor: the same picture and one caption with Qt alone, in the same window), started
// the same way in the same run, interleaved, 7 times each.
#include "bench_table.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

using Pixels = std::vector<std::uint32_t>;

class ScreenGrabber {
public:
    ScreenGrabber()
        : display_(XOpenDisplay(nullptr)) {}
    ~ScreenGrabber() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    ScreenGrabber(const ScreenGrabber&) = delete;
    ScreenGrabber& operator=(const ScreenGrabber&) = delete;

    bool isOpen() const { return display_ != nullptr; }
    Area whole() const {
        const int screen = DefaultScreen(display_);
        return {0, 0, DisplayWidth(display_, screen), DisplayHeight(display_, screen)};
    }

    Pixels grab(const Area& area) const {
        Pixels pixels;
        XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x, area.y,
                                  static_cast<unsigned>(area.width),
                                  static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
        if (image == nullptr) {
            return pixels;
        }
        pixels.reserve(static_cast<std::size_t>(area.width) * area.height);
        for (int y = 0; y < area.height; ++y) {
            for (int x = 0; x < area.width; ++x) {
                pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)));
            }
        }
        XDestroyImage(image);
        return pixels;
    }

    // Rows across an area, grabbed as one set of pixels.
    Pixels grabRows(const Area& area, const std::vector<int>& rows) const {
        Pixels pixels;
        for (int row : rows) {
            const Pixels line = grab({area.x, row, area.width, 1});
            pixels.insert(pixels.end(), line.begin(), line.end());
        }
        return pixels;
    }

private:
    Display* display_;
};

// A program to start, with the environment variables it gets (an empty value unsets one).
struct Program {
    std::string path;
    std::vector<std::string> arguments;
    std::vector<std::pair<std::string, std::string>> environment;
};

pid_t start(const Program& program) {
    const pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    for (const auto& [name, value] : program.environment) {
        if (value.empty()) {
            unsetenv(name.c_str());
        } else {
            setenv(name.c_str(), value.c_str(), 1);
        }
    }
    std::vector<char*> argv{const_cast<char*>(program.path.c_str())};
    for (const std::string& argument : program.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    execv(program.path.c_str(), argv.data());
    _exit(127);
}

// CPU time the process's threads have run so far, in milliseconds.
double cpuMilliseconds(pid_t pid) {
    double nanoseconds = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double runNanoseconds = 0;
        if (schedstat >> runNanoseconds) {
            nanoseconds += runNanoseconds;
        }
    }
    return nanoseconds / 1e6;
}

// Asks the program to end, and ends it when it does not within two seconds.
void stop(pid_t pid) {
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + 2s;
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(5ms);
    }
}

// The title as a program shows it once it has settled: the rows polled and what they hold.
struct Title {
    Area window;
    std::vector<int> rows;
    Pixels pixels;
};

Area differingArea(const Pixels& before, const Pixels& after, const Area& whole) {
    int left = whole.width;
    int top = whole.height;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < whole.height; ++y) {
        for (int x = 0; x < whole.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * whole.width + x;
            if (before[i] != after[i]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? Area{} : Area{left, top, right - left + 1, bottom - top + 1};
}

// Waits until the screen holds nothing but its background again.
bool waitForBlank(const ScreenGrabber& screen, const Title& title, const Pixels& blankRows) {
    const auto deadline = Clock::now() + 5s;
    while (Clock::now() < deadline) {
        if (screen.grabRows(title.window, title.rows) == blankRows) {
            return true;
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

// Starts the program once and keeps its screen once nothing has changed for a second. The rows
// polled later cross the lower half of the window, where the title picture lies in both programs.
bool learnTitle(const ScreenGrabber& screen, const Program& program, Title& title) {
    const Area whole = screen.whole();
    const Pixels blank = screen.grab(whole);
    const pid_t pid = start(program);
    Pixels last;
    int unchanged = 0;
    const auto deadline = Clock::now() + 20s;
    while (unchanged < 10 && Clock::now() < deadline) {
        std::this_thread::sleep_for(100ms);
        Pixels now = screen.grab(whole);
        unchanged = now != blank && now == last ? unchanged + 1 : 0;
        last = std::move(now);
    }
    title.window = differingArea(blank, last, whole);
    stop(pid);
    if (unchanged < 10 || title.window.height < 10) {
        return false;
    }
    for (int percent : {55, 65, 75, 85}) {
        title.rows.push_back(title.window.y + title.window.height * percent / 100);
    }
    title.pixels.clear();
    for (int row : title.rows) {
        const std::size_t begin = static_cast<std::size_t>(row) * whole.width + title.window.x;
        title.pixels.insert(title.pixels.end(), last.begin() + static_cast<long>(begin),
                            last.begin() + static_cast<long>(begin) + title.window.width);
    }
    return waitForBlank(screen, title, screen.grabRows(title.window, title.rows));
}

bool showsTitle(const Pixels& now, const Pixels& title) {
    if (now.size() != title.size()) {
        return false;
    }
    std::size_t differing = 0;
    for (std::size_t i = 0; i < now.size(); ++i) {
        differing += now[i] != title[i];
    }
    return differing * 100 <= title.size(); // 1 % of the pixels may differ
}

struct Start {
    double milliseconds = -1; // from exec to the title on screen; -1 when it never came
    double cpuMilliseconds = 0;
};

Start timeToTitle(const ScreenGrabber& screen, const Program& program, const Title& title) {
    const Pixels blankRows = screen.grabRows(title.window, title.rows);
    Start result;
    const auto begin = Clock::now();
    const pid_t pid = start(program);
    while (Clock::now() - begin < 20s) {
        if (showsTitle(screen.grabRows(title.window, title.rows), title.pixels)) {
            result.milliseconds =
                std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
            result.cpuMilliseconds = cpuMilliseconds(pid);
            break;
        }
        std::this_thread::sleep_for(1ms);
    }
    stop(pid);
    waitForBlank(screen, title, blankRows);
    return result;
}

struct Subject {
    QString name;
    Program program;
    Title title;
    std::vector<double> milliseconds;
    std::vector<double> cpuMilliseconds;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen_startup_bench <build folder>\n");
        return 2;
    }
    const std::string build = argv[1];
    ScreenGrabber screen;
    if (!screen.isOpen()) {
        printRow(QStringLiteral("start-up to the title on screen"), QStringLiteral("no X display"),
                 QStringLiteral("-"));
        return 0;
    }
    const std::vector<std::pair<std::string, std::string>> quiet{{"QT_LOGGING_RULES", ""}};
    auto withDriver = [&](const std::string& driver) {
        auto environment = quiet;
        environment.emplace_back("SDL_AUDIODRIVER", driver);
        return environment;
    };
    std::vector<Subject> subjects{
        {QStringLiteral("floor"),
         {build + "/bench/title_floor", {build + "/dat2/opn.bmp"}, quiet},
         {},
         {},
         {}},
        {QStringLiteral("game without a sound device"),
         {build + "/zoa", {}, withDriver("")},
         {},
         {},
         {}},
        {QStringLiteral("game with a sound device (dummy driver)"),
         {build + "/zoa", {}, withDriver("dummy")},
         {},
         {},
         {}},
    };
    for (Subject& subject : subjects) {
        if (!learnTitle(screen, subject.program, subject.title)) {
            printRow(QStringLiteral("start-up to the title on screen"),
                     QStringLiteral("no settled title from the ") + subject.name,
                     QStringLiteral("-"));
            return 0;
        }
    }
    for (int run = 0; run < 7; ++run) {
        for (Subject& subject : subjects) {
            const Start result = timeToTitle(screen, subject.program, subject.title);
            subject.milliseconds.push_back(result.milliseconds);
            subject.cpuMilliseconds.push_back(result.cpuMilliseconds);
        }
    }
    for (const Subject& subject : subjects) {
        if (std::find(subject.milliseconds.begin(), subject.milliseconds.end(), -1.0) !=
            subject.milliseconds.end()) {
            printRow(QStringLiteral("start-up to the title on screen"),
                     QStringLiteral("no title on screen from the ") + subject.name,
                     QStringLiteral("-"));
            return 0;
        }
    }
    const double floor = median(subjects[0].milliseconds);
    const double floorCpu = median(subjects[0].cpuMilliseconds);
    for (std::size_t i = 1; i < subjects.size(); ++i) {
        const double game = median(subjects[i].milliseconds);
        const double gameCpu = median(subjects[i].cpuMilliseconds);
        printRow(QStringLiteral("exec to the title on screen, %1, as a ratio to the floor "
                                "program (median of 7, interleaved; CPU time used when seen)")
                     .arg(subjects[i].name),
                 QStringLiteral("%1 x (%2 ms against %3 ms; CPU %4 x, %5 ms against %6 ms)")
                     .arg(game / floor, 0, 'f', 2)
                     .arg(game, 0, 'f', 1)
                     .arg(floor, 0, 'f', 1)
                     .arg(gameCpu / floorCpu, 0, 'f', 2)
                     .arg(gameCpu, 0, 'f', 1)
                     .arg(floorCpu, 0, 'f', 1),
                 QStringLiteral("<= 1.1 x"));
    }
    return 0;
}
