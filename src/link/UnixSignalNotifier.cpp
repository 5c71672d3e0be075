#include "link/UnixSignalNotifier.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace tq::link {

namespace {

// Write end of the socket pair. A signal handler can see nothing but
// globals, so this one descriptor is kept at namespace scope.
int g_writeEnd = -1;

void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

UnixSignalNotifier::UnixSignalNotifier(std::initializer_list<int> signalNumbers, QObject* parent)
    : QObject(parent) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) {
        return;
    }
    m_readEnd = ends[0];
    g_writeEnd = ends[1];
    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readSignals(); });

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_valid = true;
    for (int signalNumber : signalNumbers) {
        m_valid = ::sigaction(signalNumber, &action, nullptr) == 0 && m_valid;
    }
}

UnixSignalNotifier::~UnixSignalNotifier() {
    delete m_notifier;
    if (m_readEnd >= 0) {
        ::close(m_readEnd);
    }
    // The handlers stay installed; with the write end closed they write
    // nowhere, which is harmless this late in the program.
    if (g_writeEnd >= 0) {
        ::close(g_writeEnd);
        g_writeEnd = -1;
    }
}

void UnixSignalNotifier::readSignals() {
    unsigned char byte = 0;
    if (::read(m_readEnd, &byte, 1) == 1) {
        emit received(byte);
    }
}

}  // namespace tq::link
