// The floor of the figures with the music playing: SDL2_mixer alone playing a music file over
// and over on SDL's audio driver, in the output format and buffer the game chooses for it, and
// nothing else. It links SDL2 and SDL2_mixer alone.
//   music_floor <file.wav> <rate> <channels> <buffer frames>
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: music_floor <file.wav> <rate> <channels> <buffer frames>\n");
        return 2;
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // ended by the bench's SIGTERM
    if (SDL_Init(SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(std::atoi(argv[2]), AUDIO_S16SYS, std::atoi(argv[3]), std::atoi(argv[4])) !=
            0) {
        std::fprintf(stderr, "music_floor: %s\n", SDL_GetError());
        return 1;
    }
    Mix_Music* music = Mix_LoadMUS(argv[1]);
    if (music == nullptr || Mix_PlayMusic(music, -1) != 0) {
        std::fprintf(stderr, "music_floor: %s\n", Mix_GetError());
        return 1;
    }
    for (;;) {
        pause();
    }
}
