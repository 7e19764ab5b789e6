#include "support/recording_media_service.h"

namespace media {

int RecordingMediaService::send(const QByteArray& command, QByteArray* reply) {
    commands_.append(command);
    return responder_ ? responder_(command, reply) : MediaOk;
}

} // namespace media
