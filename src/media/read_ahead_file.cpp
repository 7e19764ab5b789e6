#include "media/read_ahead_file.h"

#include <QFile>

#include <SDL_rwops.h>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace media {

namespace {

constexpr std::size_t readAheadBytes = 64 * 1024; // about 1.5 s of the demo's music

struct ReadAheadFile {
    SDL_RWops operations{};
    int descriptor = -1;
    Sint64 size = 0;
    Sint64 position = 0;
    Sint64 bufferStart = 0; // the file offset of buffer's first byte
    std::vector<char> buffer;
};

ReadAheadFile* fileOf(SDL_RWops* operations) {
    return static_cast<ReadAheadFile*>(operations->hidden.unknown.data1);
}

Sint64 sizeOf(SDL_RWops* operations) {
    return fileOf(operations)->size;
}

Sint64 seek(SDL_RWops* operations, Sint64 offset, int whence) {
    ReadAheadFile* file = fileOf(operations);
    const Sint64 from = whence == RW_SEEK_CUR   ? file->position
                        : whence == RW_SEEK_END ? file->size
                                                : 0;
    if (from + offset < 0) {
        return -1;
    }
    file->position = from + offset;
    return file->position;
}

size_t read(SDL_RWops* operations, void* destination, size_t size, size_t count) {
    ReadAheadFile* file = fileOf(operations);
    char* out = static_cast<char*>(destination);
    size_t wanted = size * count;
    size_t copied = 0;
    while (wanted > 0) {
        const Sint64 bufferEnd = file->bufferStart + static_cast<Sint64>(file->buffer.size());
        if (file->position < file->bufferStart || file->position >= bufferEnd) {
            file->buffer.resize(readAheadBytes);
            const ssize_t got =
                ::pread(file->descriptor, file->buffer.data(), readAheadBytes, file->position);
            file->buffer.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
            file->bufferStart = file->position;
            if (got <= 0) {
                break;
            }
            continue;
        }
        const size_t piece = std::min(wanted, static_cast<size_t>(bufferEnd - file->position));
        std::memcpy(out + copied, file->buffer.data() + (file->position - file->bufferStart),
                    piece);
        copied += piece;
        wanted -= piece;
        file->position += static_cast<Sint64>(piece);
    }
    return size == 0 ? 0 : copied / size;
}

size_t write(SDL_RWops*, const void*, size_t, size_t) {
    return 0;
}

int close(SDL_RWops* operations) {
    ReadAheadFile* file = fileOf(operations);
    ::close(file->descriptor);
    delete file;
    return 0;
}

} // namespace

SDL_RWops* openReadAheadFile(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        return nullptr;
    }
    auto* file = new ReadAheadFile;
    file->descriptor = descriptor;
    file->size = status.st_size;
    SDL_RWops& operations = file->operations;
    operations.size = sizeOf;
    operations.seek = seek;
    operations.read = read;
    operations.write = write;
    operations.close = close;
    operations.type = SDL_RWOPS_UNKNOWN;
    operations.hidden.unknown.data1 = file;
    return &operations;
}

} // namespace media
