#pragma once

#include <functional>

class Fom;

namespace host {
class HostFacts;
}

// Runs the game's window on the real platform, with its content where the host facts say, until
// the window is closed; atTitle runs once the title shows. Needs a QApplication. Returns the
// program's exit status: 1 when the title picture cannot be shown, else the event loop's.
int runGame(host::HostFacts& host, const std::function<void(Fom&)>& atTitle = {});
