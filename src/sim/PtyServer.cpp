#include "sim/PtyServer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace tq::sim {

namespace {

constexpr qsizetype kReadChunk = 512;
// After an unexpected read error the master is left alone this long, so a
// persistent error cannot spin the event loop.
constexpr int kReadRetryMs = 200;

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

PtyServer::PtyServer(RadioSimulator& radio, int replyDelayMs, QObject* parent)
    : QObject(parent), m_radio(radio), m_replyDelayMs(replyDelayMs) {
    m_deliveryTimer.setSingleShot(true);
    m_deliveryTimer.setTimerType(Qt::PreciseTimer);
    m_eventTimer.setSingleShot(true);
    m_eventTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_deliveryTimer, &QTimer::timeout, this, [this] {
        deliverDue();
        armTimers();
    });
    connect(&m_eventTimer, &QTimer::timeout, this, [this] { runRadioEvents(); });
    m_elapsed.start();
}

PtyServer::~PtyServer() {
    delete m_notifier;
    removeLink();
    if (m_slave >= 0) {
        ::close(m_slave);
    }
    if (m_master >= 0) {
        ::close(m_master);
    }
}

bool PtyServer::start(const QString& linkPath, QString& error) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0) {
        error = systemError("posix_openpt");
        return false;
    }
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = systemError("grantpt/unlockpt");
        return false;
    }
    const char* name = ::ptsname(m_master);
    if (name == nullptr) {
        error = systemError("ptsname");
        return false;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        error = systemError("open slave");
        return false;
    }
    // Raw: no echo, no line editing, no CR/LF translation. A client that
    // opens the device without configuring it still sees the radio's bytes
    // exactly as sent.
    termios settings{};
    if (::tcgetattr(m_slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetspeed(&settings, B9600);
        ::tcsetattr(m_slave, TCSANOW, &settings);
    }
    if (!linkPath.isEmpty()) {
        const QByteArray link = QFile::encodeName(linkPath);
        struct stat existing {};
        if (::lstat(link.constData(), &existing) == 0) {
            if (!S_ISLNK(existing.st_mode)) {
                error = QStringLiteral("%1 exists and is not a symbolic link").arg(linkPath);
                return false;
            }
            ::unlink(link.constData());
        }
        if (::symlink(name, link.constData()) != 0) {
            error = systemError("symlink");
            return false;
        }
        m_linkPath = linkPath;
    }
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readMaster(); });
    armTimers();
    return true;
}

void PtyServer::removeLink() {
    if (m_linkPath.isEmpty()) {
        return;
    }
    // Only our own link: someone may have pointed the name elsewhere since.
    const QByteArray link = QFile::encodeName(m_linkPath);
    char target[4096];
    const ssize_t length = ::readlink(link.constData(), target, sizeof target - 1);
    if (length > 0 && QString::fromLocal8Bit(target, length) == m_slavePath) {
        ::unlink(link.constData());
    }
    m_linkPath.clear();
}

void PtyServer::logChunk(const QByteArray& bytes) {
    QByteArray line = "rx ";
    for (const char byte : bytes) {
        if (byte == '\n') {
            line += "\\n";
        } else if (byte >= 0x20 && byte < 0x7F) {
            line += byte;
        } else {
            line += "\\x" + QByteArray::number(static_cast<unsigned char>(byte), 16);
        }
    }
    std::fprintf(stdout, "%s\n", line.constData());
    std::fflush(stdout);
}

void PtyServer::readMaster() {
    char buffer[kReadChunk];
    for (;;) {
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count > 0) {
            if (m_logReceived) {
                logChunk(QByteArray(buffer, static_cast<qsizetype>(count)));
            }
            m_radio.receive(QByteArrayView(buffer, count), radioTime());
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            m_notifier->setEnabled(false);
            QTimer::singleShot(kReadRetryMs, this, [this] { m_notifier->setEnabled(true); });
        }
        break;
    }
    collectOutput();
    armTimers();
}

void PtyServer::runRadioEvents() {
    const double now = radioTime();
    for (double next = m_radio.nextEventTime(); next <= now; next = m_radio.nextEventTime()) {
        m_radio.advanceTo(next);
        collectOutput();
    }
    m_radio.advanceTo(now);
    collectOutput();
    armTimers();
}

void PtyServer::setRemote(bool remote) {
    m_radio.advanceTo(radioTime());
    m_radio.setRemote(remote);
    collectOutput();
    armTimers();
}

void PtyServer::collectOutput() {
    QByteArray bytes = m_radio.takeOutput();
    if (!bytes.isEmpty()) {
        m_pending.push_back({m_elapsed.elapsed() + m_replyDelayMs, std::move(bytes)});
    }
}

void PtyServer::deliverDue() {
    const qint64 now = m_elapsed.elapsed();
    while (!m_pending.empty() && m_pending.front().dueMs <= now) {
        writeMaster(std::move(m_pending.front().bytes));
        m_pending.pop_front();
    }
}

void PtyServer::armTimers() {
    if (m_pending.empty()) {
        m_deliveryTimer.stop();
    } else {
        const qint64 wait = m_pending.front().dueMs - m_elapsed.elapsed();
        m_deliveryTimer.start(static_cast<int>(std::max<qint64>(0, wait)));
    }
    const double untilEvent = m_radio.nextEventTime() - radioTime();
    if (std::isfinite(untilEvent)) {
        // Rounded up: a timer that fires a hair early would find nothing due.
        const double ms = std::clamp(std::ceil(untilEvent * 1000.0), 0.0, 24.0 * 3600 * 1000);
        m_eventTimer.start(static_cast<int>(ms));
    } else {
        m_eventTimer.stop();
    }
}

void PtyServer::writeMaster(QByteArray bytes) {
    // The pseudo-terminal passes the eighth bit unchanged; the radio sends
    // 7-bit ASCII only.
    for (char& c : bytes) {
        c = static_cast<char>(c & 0x7F);
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(m_master, bytes.constData() + done, bytes.size() - done);
        if (count > 0) {
            done += count;
        } else if (count < 0 && errno == EINTR) {
            continue;
        } else {
            // Terminal buffer full because nobody reads: the rest is lost,
            // as on a serial line with nothing listening.
            break;
        }
    }
}

}  // namespace tq::sim
