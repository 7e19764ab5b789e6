#pragma once

#include "wave_file.h"

namespace generator {

// The background music: a gentle twelve-bar loop in D major (pad, bass, music-box arpeggio and a
// melody), about 40 seconds, whose end joins its start without a seam.
MonoSound backgroundMusic();
// Four soft chords over about six seconds whose end joins their start: the music of a new story
// until its author brings their own.
MonoSound placeholderLoop();
// A short soft click for each typed line (about 40 ms).
MonoSound typingClick();
// A two-note chime for choices (about 280 ms).
MonoSound choiceChime();

} // namespace generator
