#pragma once

#include <QByteArray>

#include <SDL.h>
#include <SDL_mixer.h>

namespace media {

// The SDL2 and SDL2_mixer functions the media service calls, bound at run time. The game is not
// linked with SDL: its forty-odd libraries are loaded when sound is first needed, not before the
// window's first frame.
struct SdlLibrary {
    decltype(&::SDL_SetHint) SDL_SetHint = nullptr;
    decltype(&::SDL_GetError) SDL_GetError = nullptr;
    decltype(&::SDL_GetNumAudioDrivers) SDL_GetNumAudioDrivers = nullptr;
    decltype(&::SDL_GetAudioDriver) SDL_GetAudioDriver = nullptr;
    decltype(&::SDL_GetNumAudioDevices) SDL_GetNumAudioDevices = nullptr;
    decltype(&::SDL_InitSubSystem) SDL_InitSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) SDL_QuitSubSystem = nullptr;
    decltype(&::SDL_GetCurrentAudioDriver) SDL_GetCurrentAudioDriver = nullptr;
    decltype(&::SDL_PeepEvents) SDL_PeepEvents = nullptr;
    decltype(&::SDL_EventState) SDL_EventState = nullptr;
    decltype(&::Mix_OpenAudio) Mix_OpenAudio = nullptr;
    decltype(&::Mix_CloseAudio) Mix_CloseAudio = nullptr;
    decltype(&::Mix_Quit) Mix_Quit = nullptr;
    decltype(&::Mix_AllocateChannels) Mix_AllocateChannels = nullptr;
    decltype(&::Mix_RegisterEffect) Mix_RegisterEffect = nullptr;
    decltype(&::Mix_LoadMUSType_RW) Mix_LoadMUSType_RW = nullptr;
    decltype(&::Mix_LoadWAV_RW) Mix_LoadWAV_RW = nullptr;
    decltype(&::Mix_FreeMusic) Mix_FreeMusic = nullptr;
    decltype(&::Mix_FreeChunk) Mix_FreeChunk = nullptr;
    decltype(&::Mix_PlayMusic) Mix_PlayMusic = nullptr;
    decltype(&::Mix_PlayChannel) Mix_PlayChannel = nullptr;
    decltype(&::Mix_HaltMusic) Mix_HaltMusic = nullptr;
    decltype(&::Mix_HaltChannel) Mix_HaltChannel = nullptr;
    decltype(&::Mix_PlayingMusic) Mix_PlayingMusic = nullptr;
    decltype(&::Mix_Playing) Mix_Playing = nullptr;
    decltype(&::Mix_GetMusicPosition) Mix_GetMusicPosition = nullptr;
    decltype(&::Mix_SetMusicPosition) Mix_SetMusicPosition = nullptr;
};

// Loads the libraries once per process; null when they cannot be loaded, with the reason in
// *error.
const SdlLibrary* sdlLibrary(QByteArray* error);

} // namespace media
