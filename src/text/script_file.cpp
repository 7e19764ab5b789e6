#include "text/script_file.h"

#include "text/cp932.h"

#include <cstring>

namespace text {

namespace {
constexpr qint64 chunkSize = 64 * 1024;
}

bool ScriptFile::open(const QString& path) {
    close();
    file_.setFileName(path);
    return file_.open(QIODevice::ReadOnly);
}

void ScriptFile::close() {
    file_.close();
    buffer_.clear();
    position_ = 0;
    linesRead_ = 0;
}

// Makes sure unread bytes are buffered, reading the next chunk when the buffer is used up.
bool ScriptFile::fill() {
    if (position_ < buffer_.size()) {
        return true;
    }
    if (!file_.isOpen()) {
        return false;
    }
    buffer_ = file_.read(chunkSize);
    position_ = 0;
    return !buffer_.isEmpty();
}

bool ScriptFile::atEnd() {
    return !fill();
}

QString ScriptFile::readLine() {
    ++linesRead_;
    QByteArray line;
    while (fill()) {
        const char* start = buffer_.constData() + position_;
        const qsizetype available = buffer_.size() - position_;
        const void* carriageReturn = std::memchr(start, '\r', static_cast<size_t>(available));
        if (!carriageReturn) {
            line.append(start, available);
            position_ = buffer_.size();
            continue;
        }
        const qsizetype length = static_cast<const char*>(carriageReturn) - start;
        line.append(start, length);
        position_ += length + 1;
        if (fill() && buffer_.at(position_) == '\n') {
            ++position_;
        }
        break;
    }
    return decodeCp932(line);
}

} // namespace text
