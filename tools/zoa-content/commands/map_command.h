#pragma once

#include "commands/command_line.h"

namespace content {

// "zoa-content map": draws the story map of the folder's content into the output file; the exit
// status is contentError when it cannot be written.
extern const Command mapCommand;

} // namespace content
