#pragma once

#include "commands/command_line.h"

namespace content {

// "zoa-content new": writes the sources of a story that plays at once into a new folder.
extern const Command newCommand;

} // namespace content
