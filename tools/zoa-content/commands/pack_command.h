#pragma once

#include "commands/command_line.h"

namespace content {

// "zoa-content pack": packs the sources into the folder, reporting on standard error; the exit
// status is contentError when a source cannot be packed, and then nothing is written.
extern const Command packCommand;

} // namespace content
