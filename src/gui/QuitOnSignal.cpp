#include "QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#endif

namespace corvane {

#ifndef _WIN32
namespace {

constexpr std::array<int, 3> kEndingSignals = {SIGTERM, SIGINT, SIGHUP};

// Read by the handler: a plain int, set before the handler is installed and after it is gone.
volatile sig_atomic_t writeEnd = -1;

void onEndingSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request to quit; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

bool closeOnExecNonBlocking(int fd) {
    return ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0 &&
           ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) == 0;
}

}  // namespace
#endif

QuitOnSignal::QuitOnSignal(QObject* parent) : QObject(parent) {
#ifndef _WIN32
    int ends[2];
    if (::pipe(ends) != 0) {
        return;
    }
    if (!closeOnExecNonBlocking(ends[0]) || !closeOnExecNonBlocking(ends[1])) {
        ::close(ends[0]);
        ::close(ends[1]);
        return;
    }
    readEnd_ = ends[0];
    writeEnd = ends[1];
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitOnSignal::drain);
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndingSignals) {
        ::sigaction(signal, &action, nullptr);
    }
#endif
}

QuitOnSignal::~QuitOnSignal() {
#ifndef _WIN32
    if (readEnd_ < 0) {
        return;
    }
    for (const int signal : kEndingSignals) {
        ::signal(signal, SIG_DFL);
    }
    const int end = writeEnd;
    writeEnd = -1;
    ::close(end);
    ::close(readEnd_);
#endif
}

void QuitOnSignal::drain() {
#ifndef _WIN32
    char bytes[64];
    while (::read(readEnd_, bytes, sizeof bytes) > 0) {
    }
#endif
    // Not quit(): that asks each window to close, and the main window would ask "ARE YOU
    // SURE ?" of a user who is not there.
    QCoreApplication::exit(0);
}

}  // namespace corvane
