#include "host/termination.h"

#include <QApplication>

#include <csignal>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace host {

namespace {

// A signal handler may only write to a descriptor; a thread of its own reads the other end, so
// that the event loop has no descriptor more to look at each time it wakes.
int signalSockets[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[1], &byte, 1);
}

} // namespace

void closeWindowsOnTermination() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        return;
    }
    std::thread([] {
        char byte = 0;
        while (::read(signalSockets[0], &byte, 1) == 1) {
            if (QCoreApplication* application = QCoreApplication::instance()) {
                QMetaObject::invokeMethod(
                    application, [] { QApplication::closeAllWindows(); }, Qt::QueuedConnection);
            }
        }
    }).detach();
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

} // namespace host
