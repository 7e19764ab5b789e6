// Fuzz target: any bytes as a media command, parsed and then run by the real service with no
// audio device behind it. Nothing may crash, and a failed parse must leave the result untouched.
#include "media/media_command.h"
#include "media/media_service.h"
#include "media/sdl_media_service.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    media::MediaCommand command;
    command.alias = "untouched";
    const int code = media::parseMediaCommand(text, &command);
    if (code != media::MediaOk && command.alias != "untouched") {
        std::abort();
    }
    static media::SdlMediaService service;
    QByteArray reply = "untouched";
    if (service.send(text, &reply) != media::MediaOk && reply != "untouched") {
        std::abort();
    }
    return 0;
}
