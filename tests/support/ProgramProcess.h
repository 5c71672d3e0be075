#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "support/SimProcess.h"

namespace tq::test {

/// The real tq5820, offscreen, in a data directory of its own, with
/// tq5820-sim as its radio on port 1 over a pseudo-terminal. Used by the
/// end-to-end tests and the benchmarks, which all start it the same way.
class ProgramProcess {
public:
    struct Options {
        /// Passed to tq5820-sim.
        QStringList simArguments = {};
        /// A device for the CAT port (port 2, 9600 ,N, 8, 1); none: no CAT port.
        QString catDevice = {};
        /// Passed to tq5820 after --data-dir.
        QStringList programArguments = {};
        /// Further data files (name, text), written after the ones above,
        /// so they may replace them.
        QList<QPair<QString, QString>> files = {};
    };

    explicit ProgramProcess(const Options& options);
    /// Ends the program with SIGTERM if it still runs.
    ~ProgramProcess();

    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    /// A TCP port on the loopback address that nothing listens on just now.
    static quint16 freePort();

    /// Whether the simulator runs and the data directory is written.
    bool ready() const { return m_ready; }

    /// Starts tq5820 and waits until it says its main loop runs in the given
    /// operation, or the limit passes; false then, with what it printed in
    /// output().
    bool startToMainLoop(int limitMs, const QString& operation = QStringLiteral("REMOTE"));

    /// Everything tq5820 printed on its standard output so far.
    QString output();
    /// Waits until tq5820 has printed text (counting what it printed
    /// before); false on the limit.
    bool waitForOutput(const QString& text, int limitMs);
    /// The radio's adapter pulled and plugged in again: the simulator ends,
    /// and a fresh one serves the same link; false when it did not start.
    bool restartSim();
    QProcess& process() { return m_program; }
    /// The TCP ports tq5820 listens on, each with its local address as /proc
    /// prints it (0100007F is 127.0.0.1).
    QMap<int, QString> listeningPorts() const;
    SimProcess& sim() { return *m_sim; }
    QString dataPath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SimProcess> m_sim;
    QStringList m_simArguments;
    QStringList m_programArguments;
    QProcess m_program;
    QString m_output;
    bool m_ready = false;
};

}  // namespace tq::test
