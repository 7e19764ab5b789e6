#pragma once

#include <QByteArray>

#include <functional>

namespace media {

// Answers of the media command service: 0 for success, one code for each kind of failure.
enum MediaCode : int {
    MediaOk = 0,
    MediaUnknownCommand = 1,
    MediaMalformedCommand = 2,
    MediaUnknownAlias = 3,
    MediaUnreadableFile = 4,
    MediaNoDevice = 5,
};

// A small command-text interface for sounds: "open \"<path>\" alias <name>", "play <name>",
// "close <name>", "status <name> mode", "seek <name> to start". Commands are UTF-8 text.
class MediaService {
public:
    virtual ~MediaService() = default;
    // Runs one command and returns its code. A command that answers with text (a status query)
    // sets *reply to it when reply is given; a failed command leaves *reply untouched.
    virtual int send(const QByteArray& command, QByteArray* reply) = 0;

    // Runs a command whose answer may come later: `answered` receives its code, at once or (for
    // a service that holds commands until it has started) later, in the order of sending.
    using Answered = std::function<void(int code)>;
    virtual void post(const QByteArray& command, Answered answered) {
        answered(send(command, nullptr));
    }
};

} // namespace media
