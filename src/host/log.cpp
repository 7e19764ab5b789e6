#include "host/log.h"

#include <algorithm>
#include <deque>

Q_LOGGING_CATEGORY(zoaTrace, "zoa.trace", QtInfoMsg)
Q_LOGGING_CATEGORY(zoaContent, "zoa.content")

namespace host {

namespace {

struct Line {
    bool warning = false;
    QString text;
};

// Lines waiting behind an open place, in order; empty while no place is open.
struct Held {
    quint64 place = 0; // 0: lines logged after an open place
    bool open = false;
    QList<Line> lines;
};
std::deque<Held> held;
quint64 lastPlace = 0;

void write(const Line& line) {
    if (line.warning) {
        qCWarning(zoaContent).noquote() << line.text;
    } else {
        qCDebug(zoaTrace).noquote() << line.text;
    }
}

void log(const Line& line) {
    if (held.empty()) {
        write(line);
        return;
    }
    if (held.back().open) {
        held.emplace_back();
    }
    held.back().lines.append(line);
}

Held& heldPlace(quint64 place) {
    return *std::find_if(held.begin(), held.end(),
                         [place](const Held& entry) { return entry.place == place; });
}

} // namespace

void trace(const QString& line) {
    if (traceEnabled()) {
        log({false, line});
    }
}

void contentWarning(const QString& message) {
    log({true, message});
}

LogPlace::LogPlace()
    : id_(++lastPlace) {
    held.push_back({id_, true, {}});
}

void LogPlace::trace(const QString& line) const {
    if (traceEnabled()) {
        heldPlace(id_).lines.append({false, line});
    }
}

void LogPlace::contentWarning(const QString& message) const {
    heldPlace(id_).lines.append({true, message});
}

void LogPlace::close() const {
    heldPlace(id_).open = false;
    while (!held.empty() && !held.front().open) {
        for (const Line& line : held.front().lines) {
            write(line);
        }
        held.pop_front();
    }
}

} // namespace host
