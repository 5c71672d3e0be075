#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>

#include "sim/RadioSimulator.h"

class QSocketNotifier;

namespace tq::sim {

/// Serves a simulated radio on a pseudo-terminal, so the program (or any
/// terminal tool) can open the slave device like a serial port.
///
/// The server keeps its own descriptor of the slave open for its whole life:
/// with no slave descriptor open anywhere the master reads fail with EIO at
/// once and without end, which would spin the event loop, and the kernel
/// would throw away the terminal settings between the client's opens. So a
/// client may close and reopen the device as often as it likes.
class PtyServer : public QObject {
public:
    PtyServer(RadioSimulator& radio, int replyDelayMs, QObject* parent = nullptr);
    ~PtyServer() override;

    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    /// Opens the pseudo-terminal and, when linkPath is not empty, points a
    /// symbolic link there (an existing link is replaced; any other file is
    /// left alone and start fails). False with a message in error on failure.
    bool start(const QString& linkPath, QString& error);

    /// The slave device, e.g. "/dev/pts/4"; empty before start().
    QString slavePath() const { return m_slavePath; }

    /// Echo every chunk the client writes on standard output, so a test or a
    /// curious operator can see exactly what reached the radio.
    void setLogReceived(bool on) { m_logReceived = on; }

    /// The radio's remote/local switch; the change is reported to the client.
    void setRemote(bool remote);
    void toggleRemote() { setRemote(!m_radio.isRemote()); }

private:
    struct Delivery {
        qint64 dueMs;
        QByteArray bytes;
    };

    double radioTime() const { return static_cast<double>(m_elapsed.nsecsElapsed()) * 1e-9; }
    void readMaster();
    void logChunk(const QByteArray& bytes);
    void runRadioEvents();
    void collectOutput();
    void deliverDue();
    void armTimers();
    void writeMaster(QByteArray bytes);
    void removeLink();

    RadioSimulator& m_radio;
    int m_replyDelayMs;
    bool m_logReceived = false;
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
    QElapsedTimer m_elapsed;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_deliveryTimer;
    QTimer m_eventTimer;
    std::deque<Delivery> m_pending;
};

}  // namespace tq::sim
