#pragma once

namespace host {

// Closes the program's windows, a message box included, when the process is asked to end
// (SIGTERM from a session ending or a service manager, SIGINT from a terminal, SIGHUP), so that
// the game's close handling runs and the program ends normally instead of being cut off.
// Call once, after the application object exists.
void closeWindowsOnTermination();

} // namespace host
