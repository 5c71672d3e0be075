#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace tq::link {

class SerialPort;

/// Waits for a lost serial device to come back and then opens its port again.
///
/// The device is watched by the name the operator gave it (a
/// /dev/serial/by-id link, say), not by the node that name led to: a
/// replugged adapter may come back as another /dev/ttyUSBn, and the link
/// follows it. A look asks the port whether the device is there (one
/// file-status call for a real port) every kPollIntervalMs, so a device that
/// never returns costs next to nothing. An open that fails (the
/// permissions of a fresh node still being set, another program quicker) is
/// tried again at the next look; each distinct failure is reported once.
class DeviceWatch : public QObject {
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 500;

    /// Opens the port again from its settings (the radio's SetUpRadioPort,
    /// the CAT bridge's ConfigureCatPort). May throw PortFailure; the port's
    /// open state afterwards tells whether it worked.
    using Reopen = std::function<void()>;

    DeviceWatch(SerialPort& port, Reopen reopen, QObject* parent = nullptr);

    /// Starts watching for the port's device (its deviceName() now) to be
    /// there, and reopens the port when it is. For a port that reported
    /// CommEvent::kDeviceLost, or whose device was missing when opened.
    void watch();
    /// Stops watching; a watch that finds the port open stops by itself.
    void stop();
    bool isWatching() const { return !m_device.isEmpty(); }
    /// The device watched for, as named; empty when not watching.
    QString device() const { return m_device; }

    /// One look: if the device is there, reopen the port. Run by the timer;
    /// tests call it right after they change the device.
    void poll();

signals:
    /// The port is open again; the link with whatever is behind it starts
    /// afresh. The watch has stopped.
    void portReopened();
    /// The device is there but did not open; the watch tries again. Not
    /// repeated while the same failure repeats.
    void reopenFailed(int number, const QString& description);

private:
    void reportFailure(int number, const QString& description);

    SerialPort& m_port;
    Reopen m_reopen;
    /// A child, so it moves with the watch to the thread that uses it.
    QTimer m_timer;
    QString m_device;
    QString m_lastFailure;
    /// A reopen that handles events (a pause) must not start another.
    bool m_reopening = false;
};

}  // namespace tq::link
