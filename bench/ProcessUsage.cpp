#include "ProcessUsage.h"

#include <unistd.h>

#include <QFile>
#include <QStringList>

namespace tq::bench {

namespace {

QString procText(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

/// A "Name:   1234 kB" line of /proc/PID/status.
qint64 statusKb(const QString& status, const QString& name) {
    for (const QString& line : status.split(u'\n')) {
        if (line.startsWith(name + u':')) {
            return line.section(u':', 1).trimmed().section(u' ', 0, 0).toLongLong();
        }
    }
    return -1;
}

}  // namespace

ProcessUsage processUsage(qint64 pid) {
    ProcessUsage usage;
    const QString stat = procText(pid, "stat");
    if (stat.isEmpty()) {
        return usage;
    }
    // The fields after the command name, which is in parentheses and may
    // hold blanks; utime and stime are the 14th and 15th of the whole line.
    const QStringList fields = stat.mid(stat.lastIndexOf(u')') + 2).split(u' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    usage.cpuSeconds = ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
    const QString status = procText(pid, "status");
    usage.residentKb = statusKb(status, QStringLiteral("VmRSS"));
    usage.peakResidentKb = statusKb(status, QStringLiteral("VmHWM"));
    return usage;
}

double cpuPercent(const ProcessUsage& before, const ProcessUsage& after, double wallSeconds) {
    return wallSeconds > 0 ? 100.0 * (after.cpuSeconds - before.cpuSeconds) / wallSeconds : 0;
}

}  // namespace tq::bench
