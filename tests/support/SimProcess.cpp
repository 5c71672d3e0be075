#include "support/SimProcess.h"

#include "support/EndsWithTest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>

namespace tq::test {

SimProcess::SimProcess(const QString& linkPath, const QStringList& extraArguments) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tq5820-sim");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    endWithTest(m_process);
    m_process.start(program, QStringList{QStringLiteral("--link"), linkPath} + extraArguments);
    if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(5000)) {
        m_devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
}

SimProcess::~SimProcess() {
    stop();
}

void SimProcess::command(const QString& line) {
    m_process.write(line.toLocal8Bit() + '\n');
    m_process.waitForBytesWritten(1000);
}

QString SimProcess::output() {
    m_output += QString::fromLocal8Bit(m_process.readAllStandardOutput());
    return m_output;
}

bool SimProcess::waitForOutput(const QString& text, int timeoutMs, qsizetype from) {
    QDeadlineTimer deadline(timeoutMs);
    while (output().indexOf(text, from) < 0) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning) {
            return false;
        }
        m_process.waitForReadyRead(
            static_cast<int>(std::min<qint64>(deadline.remainingTime(), 200)));
    }
    return true;
}

bool SimProcess::stop() {
    if (m_process.state() == QProcess::NotRunning) {
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
        return false;
    }
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

}  // namespace tq::test
