#include "app/NullModem.h"

#include <QSocketNotifier>
#include <array>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <termios.h>
// openpty() is declared in a different header on each family of systems.
#if defined(Q_OS_LINUX)
#include <pty.h>
#elif defined(Q_OS_FREEBSD)
#include <libutil.h>
#else
#include <util.h>  // macOS, NetBSD, OpenBSD
#endif
#include <unistd.h>
#endif

namespace tq::app {

NullModem::NullModem() {
    if (!openEnd(m_ends[0]) || !openEnd(m_ends[1])) {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        End& from = m_ends[i];
        End& to = m_ends[1 - i];
        from.readable = std::make_unique<QSocketNotifier>(from.master, QSocketNotifier::Read);
        QObject::connect(from.readable.get(), &QSocketNotifier::activated,
                         [this, &from, &to] { forward(from, to); });
    }
}

NullModem::~NullModem() {
#ifdef Q_OS_UNIX
    for (End& end : m_ends) {
        end.readable.reset();
        if (end.master >= 0) {
            ::close(end.master);
        }
        if (end.slave >= 0) {
            ::close(end.slave);
        }
    }
#endif
}

bool NullModem::ok() const {
    return m_ends[0].readable != nullptr && m_ends[1].readable != nullptr;
}

bool NullModem::openEnd(End& end) {
#ifdef Q_OS_UNIX
    std::array<char, 256> name{};
    if (::openpty(&end.master, &end.slave, name.data(), nullptr, nullptr) != 0) {
        end.master = end.slave = -1;
        return false;
    }
    end.slaveName = QString::fromLocal8Bit(name.data());
    // Raw, so bytes pass unchanged until a program sets its own line
    // attributes. The slave stays open here as well: a master whose slave is
    // closed by everyone reads as an error, and the programs on either side
    // come and go.
    termios raw{};
    ::tcgetattr(end.slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(end.slave, TCSANOW, &raw);
    ::fcntl(end.master, F_SETFL, ::fcntl(end.master, F_GETFL) | O_NONBLOCK);
    return true;
#else
    Q_UNUSED(end);
    return false;
#endif
}

void NullModem::forward(End& from, End& to) {
#ifdef Q_OS_UNIX
    std::array<char, 4096> buffer{};
    const ssize_t n = ::read(from.master, buffer.data(), buffer.size());
    if (n <= 0) {
        return;
    }
    // Whatever the far side's terminal cannot take now is lost.
    const ssize_t written = ::write(to.master, buffer.data(), static_cast<size_t>(n));
    Q_UNUSED(written);
#else
    Q_UNUSED(from);
    Q_UNUSED(to);
#endif
}

}  // namespace tq::app
