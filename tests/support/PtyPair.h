#pragma once

#include <QByteArray>
#include <QString>

namespace tq::link {

/// A pseudo-terminal for tests: the slave end stands for the serial device the
/// program opens, the master end for the radio at the other end of the cable.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();

    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return m_master >= 0; }
    /// Device path of the slave end, e.g. /dev/pts/3.
    QString slaveName() const { return m_slaveName; }
    int slaveFd() const { return m_slave; }

    /// Sends bytes from the radio's end.
    void send(const QByteArray& bytes);
    /// Collects what the program wrote, until count bytes arrived or the
    /// master end stayed silent for timeoutMs.
    QByteArray receive(int count, int timeoutMs = 2000);
    /// The radio end goes away: the slave end hangs up.
    void closeMaster();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slaveName;
};

}  // namespace tq::link
