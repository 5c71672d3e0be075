#include "link/DeviceWatch.h"

#include <QScopedValueRollback>

#include "link/PortFailure.h"
#include "link/SerialPort.h"

namespace tq::link {

DeviceWatch::DeviceWatch(SerialPort& port, Reopen reopen, QObject* parent)
    : QObject(parent), m_port(port), m_reopen(std::move(reopen)), m_timer(this) {
    m_timer.setInterval(kPollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &DeviceWatch::poll);
}

void DeviceWatch::watch() {
    m_device = m_port.deviceName();
    m_lastFailure.clear();
    m_timer.start();
}

void DeviceWatch::stop() {
    m_timer.stop();
    m_device.clear();
    m_lastFailure.clear();
}

void DeviceWatch::poll() {
    if (!isWatching() || m_reopening) {
        return;
    }
    if (m_port.isOpen()) {
        stop();  // opened meanwhile by other means (new port settings applied)
        return;
    }
    if (!m_port.deviceIsThere(m_device)) {
        // A failure seen while it was there belongs to that appearance.
        m_lastFailure.clear();
        return;
    }
    try {
        const QScopedValueRollback<bool> reopening(m_reopening, true);
        m_reopen();
    } catch (const PortFailure& failure) {
        // Gone again between the look and the open: not a failure to show.
        if (failure.number() != PortFailure::kInvalidPortNumber) {
            reportFailure(failure.number(), failure.description());
        }
        return;
    }
    if (m_port.isOpen()) {
        stop();
        emit portReopened();
    }
}

void DeviceWatch::reportFailure(int number, const QString& description) {
    const QString failure = QString::number(number) + u' ' + description;
    if (failure == m_lastFailure) {
        return;
    }
    m_lastFailure = failure;
    emit reopenFailed(number, description);
}

}  // namespace tq::link
