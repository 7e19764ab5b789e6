#pragma once

#include "platform/media_service.h"

namespace platform {

// The media command service over SDL2_mixer.
class SdlMediaService : public MediaService {
public:
    int send(const QByteArray& command, QByteArray* reply) override;
};

} // namespace platform
