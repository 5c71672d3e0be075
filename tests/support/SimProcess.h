#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tq::test {

/// tq5820-sim started as a child process from the directory of the running
/// program, serving a pseudo-terminal at the given link; stopped (SIGTERM)
/// when this object goes, or earlier with stop().
class SimProcess {
public:
    SimProcess(const QString& linkPath, const QStringList& extraArguments);
    ~SimProcess();

    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    /// The pseudo-terminal's path as the simulator printed it; empty if it
    /// did not start.
    QString devicePath() const { return m_devicePath; }

    /// Ends the simulator as SIGTERM does; true when it exited cleanly.
    bool stop();

    /// A line on the simulator's standard input ("local", "garble"...).
    void command(const QString& line);

    /// Everything the simulator printed after the device path so far.
    QString output();
    /// Waits until the simulator has printed text (at or after position
    /// `from` of output()); false on the time limit.
    bool waitForOutput(const QString& text, int timeoutMs, qsizetype from = 0);
    /// Its standard input takes "local", "remote" and "toggle".
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    QString m_devicePath;
    QString m_output;
};

}  // namespace tq::test
