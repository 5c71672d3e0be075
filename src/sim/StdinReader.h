#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace tq::sim {

/// Reads operator commands, one per line, from standard input without
/// blocking the event loop. At end of input it stops listening.
class StdinReader : public QObject {
    Q_OBJECT

public:
    explicit StdinReader(QObject* parent = nullptr);

signals:
    void lineReceived(const QString& line);

private:
    void readAvailable();

    QSocketNotifier* m_notifier;
    QByteArray m_partial;
};

}  // namespace tq::sim
