#pragma once

#include <QObject>
#include <initializer_list>

class QSocketNotifier;

namespace tq::link {

/// Turns POSIX signals into a Qt signal on the event loop (the self-pipe
/// trick): the handler only writes the signal number into a socket pair, and
/// the loop reads it back, where any code may run safely.
///
/// One instance per process: a signal handler can reach only global state.
class UnixSignalNotifier : public QObject {
    Q_OBJECT

public:
    explicit UnixSignalNotifier(std::initializer_list<int> signalNumbers,
                                QObject* parent = nullptr);
    ~UnixSignalNotifier() override;

    /// False when the socket pair or a handler could not be set up.
    bool isValid() const { return m_valid; }

signals:
    void received(int signalNumber);

private:
    void readSignals();

    int m_readEnd = -1;
    QSocketNotifier* m_notifier = nullptr;
    bool m_valid = false;
};

}  // namespace tq::link
