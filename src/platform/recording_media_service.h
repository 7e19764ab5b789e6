#pragma once

#include "platform/media_service.h"

#include <QByteArrayList>

#include <functional>

namespace platform {

// Records every command it is sent; answers through a replaceable responder (by default: success,
// no reply). Used by tests, and by tools that play the game without sound.
class RecordingMediaService : public MediaService {
public:
    using Responder = std::function<int(const QByteArray& command, QByteArray* reply)>;

    int send(const QByteArray& command, QByteArray* reply) override;

    void setResponder(Responder responder) { responder_ = std::move(responder); }
    const QByteArrayList& commands() const { return commands_; }
    void clear() { commands_.clear(); }

private:
    QByteArrayList commands_;
    Responder responder_;
};

} // namespace platform
