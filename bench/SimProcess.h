#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tq::bench {

/// tq5820-sim started as a child process, serving a pseudo-terminal at a
/// link in a temporary directory; stopped when this object goes.
class SimProcess {
public:
    SimProcess(const QString& linkPath, const QStringList& extraArguments);
    ~SimProcess();

    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    /// The pseudo-terminal's path as the simulator printed it; empty if it
    /// did not start.
    QString devicePath() const { return m_devicePath; }

private:
    QProcess m_process;
    QString m_devicePath;
};

}  // namespace tq::bench
