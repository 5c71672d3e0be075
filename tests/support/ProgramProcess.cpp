#include "support/ProgramProcess.h"

#include "support/EndsWithTest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTcpServer>

namespace tq::test {

namespace {

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toLatin1()) == text.size();
}

}  // namespace

ProgramProcess::ProgramProcess(const Options& options)
    : m_simArguments(options.simArguments), m_programArguments(options.programArguments) {
    if (!m_dir.isValid()) {
        return;
    }
    const QString radio = m_dir.filePath(QStringLiteral("radio"));
    m_sim = std::make_unique<SimProcess>(radio, options.simArguments);
    QString ports = QStringLiteral("1 %1\n").arg(radio);
    bool written = true;
    if (!options.catDevice.isEmpty()) {
        ports += QStringLiteral("2 %1\n").arg(options.catDevice);
        written = writeFile(m_dir.filePath(QStringLiteral("CATSetup.txt")),
                            QStringLiteral("2\r\n9600 ,N, 8, 1\r\ncomNone\r\nKenwood\r\n"));
    }
    written = written && writeFile(m_dir.filePath(QStringLiteral("SerialPorts.txt")), ports) &&
              writeFile(m_dir.filePath(QStringLiteral("PortSetup.txt")),
                        QStringLiteral("1\r\n9600,O,7,1\r\ncomNone\r\n0\r\n"));
    for (const auto& [name, text] : options.files) {
        written = written && writeFile(m_dir.filePath(name), text);
    }
    m_ready = written && !m_sim->devicePath().isEmpty();
}

quint16 ProgramProcess::freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

ProgramProcess::~ProgramProcess() {
    if (m_program.state() != QProcess::NotRunning) {
        m_program.terminate();
        if (!m_program.waitForFinished(10000)) {
            m_program.kill();
            m_program.waitForFinished(10000);
        }
    }
}

bool ProgramProcess::startToMainLoop(int limitMs, const QString& operation) {
    const QString running = QStringLiteral("Main loop running: ") + operation;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The single-instance lock lives in the temporary directory: keep this
    // run's apart from any copy the developer has open.
    environment.insert(QStringLiteral("TMPDIR"), m_dir.path());
    m_program.setProcessEnvironment(environment);
    endWithTest(m_program);
    m_program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tq5820"),
                    QStringList{QStringLiteral("--data-dir"), m_dir.path()} + m_programArguments);
    const QDeadlineTimer deadline(limitMs);
    while (!output().contains(running) && !deadline.hasExpired() &&
           m_program.state() != QProcess::NotRunning) {
        m_program.waitForReadyRead(100);
    }
    return output().contains(running);
}

bool ProgramProcess::waitForOutput(const QString& text, int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    while (!output().contains(text) && !deadline.hasExpired() &&
           m_program.state() != QProcess::NotRunning) {
        m_program.waitForReadyRead(100);
    }
    return output().contains(text);
}

bool ProgramProcess::restartSim() {
    m_sim.reset();
    m_sim = std::make_unique<SimProcess>(m_dir.filePath(QStringLiteral("radio")), m_simArguments);
    return !m_sim->devicePath().isEmpty();
}

QMap<int, QString> ProgramProcess::listeningPorts() const {
    QSet<QString> inodes;  // of the process's sockets
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(m_program.processId()));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files)) {
        const QString name = QFileInfo(QFile::symLinkTarget(fds.filePath(fd))).fileName();
        if (name.startsWith(QStringLiteral("socket:["))) {
            inodes << name.mid(8).chopped(1);
        }
    }
    QMap<int, QString> ports;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile file(QString::fromLatin1(table));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        file.readLine();  // heading
        while (!file.atEnd()) {
            const QStringList fields =
                QString::fromLatin1(file.readLine()).split(u' ', Qt::SkipEmptyParts);
            // local address:port, ..., state 0A = LISTEN, ..., inode
            if (fields.size() > 9 && fields[3] == u"0A" && inodes.contains(fields[9])) {
                ports.insert(fields[1].section(u':', -1).toInt(nullptr, 16),
                             fields[1].section(u':', 0, -2));
            }
        }
    }
    return ports;
}

QString ProgramProcess::output() {
    m_output += QString::fromLocal8Bit(m_program.readAllStandardOutput());
    return m_output;
}

}  // namespace tq::test
