#include "support/PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <array>

namespace tq::link {

PtyPair::PtyPair() {
    std::array<char, 256> name{};
    if (::openpty(&m_master, &m_slave, name.data(), nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    m_slaveName = QString::fromLocal8Bit(name.data());
    // Programs the test starts must not inherit either end: a master held
    // open by a child would keep the line up after closeMaster().
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    // Raw on both sides, so bytes pass unchanged in both directions until the
    // port under test sets its own attributes.
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
    closeMaster();
    if (m_slave >= 0) {
        ::close(m_slave);
    }
}

void PtyPair::send(const QByteArray& bytes) {
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            pollfd p{m_master, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0) {
                return;
            }
            continue;
        }
        done += n;
    }
}

QByteArray PtyPair::receive(int count, int timeoutMs) {
    QByteArray got;
    while (m_master >= 0 && got.size() < count) {
        pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) {
            break;
        }
        std::array<char, 256> buffer{};
        const ssize_t n = ::read(m_master, buffer.data(), buffer.size());
        if (n <= 0) {
            break;
        }
        got.append(buffer.data(), n);
    }
    return got;
}

void PtyPair::closeMaster() {
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

}  // namespace tq::link
