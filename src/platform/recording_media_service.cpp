#include "platform/recording_media_service.h"

namespace platform {

int RecordingMediaService::send(const QByteArray& command, QByteArray* reply) {
    commands_.append(command);
    return responder_ ? responder_(command, reply) : MediaOk;
}

} // namespace platform
