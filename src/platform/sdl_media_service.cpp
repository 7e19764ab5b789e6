#include "platform/sdl_media_service.h"

namespace platform {

int SdlMediaService::send(const QByteArray&, QByteArray*) {
    return MediaNoDevice;
}

} // namespace platform
