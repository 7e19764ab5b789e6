// Builds the real platform, creates the game window and runs the event loop.
#include "host/host_facts.h"
#include "window/game_run.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    host::QtHostFacts host;
    return runGame(host);
}
