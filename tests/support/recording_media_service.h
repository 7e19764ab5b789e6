#pragma once

#include "media/media_service.h"

#include <QByteArrayList>

#include <functional>

namespace media {

// Records every command it is sent; answers through a replaceable responder (by default: success,
// no reply): a game in a test plays over it without a sound device.
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

} // namespace media
