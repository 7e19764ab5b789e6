#include "platform/media_service.h"

namespace platform {

int SilentMediaService::send(const QByteArray&, QByteArray*) {
    return MediaNoDevice;
}

} // namespace platform
