#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

QT_FORWARD_DECLARE_CLASS(QSocketNotifier)

namespace tq::app {

/// Two pseudo-terminals joined back to back, like two serial ports wired
/// with a null-modem cable: what one side's program writes, the other side's
/// program reads. A demo gives one side to its own CAT port and the other to
/// station software, which cannot open the far end of a single
/// pseudo-terminal the way it opens a serial device.
///
/// Bytes that the receiving side does not take in time are dropped, as on a
/// line without flow control, so a stalled reader never makes the program
/// hold more than what the terminals themselves buffer.
class NullModem {
public:
    NullModem();
    ~NullModem();

    NullModem(const NullModem&) = delete;
    NullModem& operator=(const NullModem&) = delete;

    bool ok() const;
    /// Device paths of the two ends.
    QString programSide() const { return m_ends[0].slaveName; }
    QString stationSide() const { return m_ends[1].slaveName; }

private:
    struct End {
        int master = -1;
        int slave = -1;
        QString slaveName;
        std::unique_ptr<QSocketNotifier> readable;
    };

    static bool openEnd(End& end);
    void forward(End& from, End& to);

    End m_ends[2];
};

}  // namespace tq::app
