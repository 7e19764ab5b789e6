#pragma once

#include "commands/command_line.h"

namespace content {

// "zoa-content check": prints the findings (or their JSON) to standard output; the exit status is
// contentError when there are errors.
extern const Command checkCommand;

} // namespace content
