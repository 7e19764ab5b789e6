#include "media/sdl_library.h"

#include <dlfcn.h>
#include <optional>
#include <type_traits>

namespace media {

namespace {

// SDL2_mixer's library by its ABI name; it brings SDL2 along.
constexpr char mixerLibrary[] = "libSDL2_mixer-2.0.so.0";

struct Loaded {
    std::optional<SdlLibrary> functions;
    QByteArray error;
};

Loaded load() {
    Loaded loaded;
    // Local: SDL's symbols stay out of the lookups of every library loaded after it.
    void* library = dlopen(mixerLibrary, RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr) {
        loaded.error = dlerror();
        return loaded;
    }
    SdlLibrary f;
    bool bound = true;
    const auto bind = [&](const char* name, auto& function) {
        function =
            reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
        bound = bound && function != nullptr;
    };
    bind("SDL_SetHint", f.SDL_SetHint);
    bind("SDL_GetError", f.SDL_GetError);
    bind("SDL_GetNumAudioDrivers", f.SDL_GetNumAudioDrivers);
    bind("SDL_GetAudioDriver", f.SDL_GetAudioDriver);
    bind("SDL_GetNumAudioDevices", f.SDL_GetNumAudioDevices);
    bind("SDL_InitSubSystem", f.SDL_InitSubSystem);
    bind("SDL_QuitSubSystem", f.SDL_QuitSubSystem);
    bind("SDL_GetCurrentAudioDriver", f.SDL_GetCurrentAudioDriver);
    bind("SDL_PeepEvents", f.SDL_PeepEvents);
    bind("SDL_EventState", f.SDL_EventState);
    bind("Mix_OpenAudio", f.Mix_OpenAudio);
    bind("Mix_CloseAudio", f.Mix_CloseAudio);
    bind("Mix_Quit", f.Mix_Quit);
    bind("Mix_AllocateChannels", f.Mix_AllocateChannels);
    bind("Mix_RegisterEffect", f.Mix_RegisterEffect);
    bind("Mix_LoadMUSType_RW", f.Mix_LoadMUSType_RW);
    bind("Mix_LoadWAV_RW", f.Mix_LoadWAV_RW);
    bind("Mix_FreeMusic", f.Mix_FreeMusic);
    bind("Mix_FreeChunk", f.Mix_FreeChunk);
    bind("Mix_PlayMusic", f.Mix_PlayMusic);
    bind("Mix_PlayChannel", f.Mix_PlayChannel);
    bind("Mix_HaltMusic", f.Mix_HaltMusic);
    bind("Mix_HaltChannel", f.Mix_HaltChannel);
    bind("Mix_PlayingMusic", f.Mix_PlayingMusic);
    bind("Mix_Playing", f.Mix_Playing);
    bind("Mix_GetMusicPosition", f.Mix_GetMusicPosition);
    bind("Mix_SetMusicPosition", f.Mix_SetMusicPosition);
    if (!bound) {
        loaded.error = dlerror();
        return loaded;
    }
    loaded.functions = f;
    return loaded;
}

} // namespace

const SdlLibrary* sdlLibrary(QByteArray* error) {
    static const Loaded loaded = load();
    if (!loaded.functions) {
        *error = loaded.error;
        return nullptr;
    }
    return &*loaded.functions;
}

} // namespace media
