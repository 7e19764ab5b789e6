// Fuzz target: any bytes as a media command, parsed and then run by the real service with no
// audio device behind it. Nothing may crash, and a failed parse must leave the result untouched.
#include "platform/media_command.h"
#include "platform/media_service.h"
#include "platform/sdl_media_service.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    platform::MediaCommand command;
    command.alias = "untouched";
    const int code = platform::parseMediaCommand(text, &command);
    if (code != platform::MediaOk && command.alias != "untouched") {
        std::abort();
    }
    static platform::SdlMediaService service;
    QByteArray reply = "untouched";
    if (service.send(text, &reply) != platform::MediaOk && reply != "untouched") {
        std::abort();
    }
    return 0;
}
