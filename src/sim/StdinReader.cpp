#include "sim/StdinReader.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace tq::sim {

namespace {
constexpr int kMaxLine = 256;  // no command is longer; junk is dropped
}

StdinReader::StdinReader(QObject* parent)
    : QObject(parent), m_notifier(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this)) {
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readAvailable(); });
}

void StdinReader::readAvailable() {
    char buffer[256];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) {
        return;
    }
    if (count <= 0) {
        // End of input (or an unreadable one): a closed stdin stays readable
        // for ever, so listening on would spin.
        m_notifier->setEnabled(false);
        return;
    }
    for (ssize_t i = 0; i < count; ++i) {
        if (buffer[i] == '\n') {
            emit lineReceived(QString::fromLocal8Bit(m_partial).trimmed());
            m_partial.clear();
        } else if (m_partial.size() < kMaxLine) {
            m_partial.append(buffer[i]);
        }
    }
}

}  // namespace tq::sim
