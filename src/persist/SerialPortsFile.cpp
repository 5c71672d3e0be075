#include "persist/SerialPortsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>

#include "link/PortMap.h"
#include "persist/PersistedFile.h"

namespace tq::persist {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Why a file that is there could not be read, in the system's words as
// every file report gives them; a refusal without a system error (a file
// too large to be a port list) reads as an input/output error.
PersistedFileError unreadable(const QString& name) {
    errno = 0;
    QFile file(name);
    const int error = file.open(QIODevice::ReadOnly) || errno == 0 ? EIO : errno;
    return {error, QString::fromLocal8Bit(std::strerror(error))};
}

bool namesPort(const QString& line, int number) {
    return link::PortMap::parse(line).contains(number);
}

}  // namespace

QString withSerialPort(const QString& text, int number, const QString& path) {
    const QString entry = QString::number(number) + u' ' + path;
    QStringList lines = persistedLines(text);
    if (lines.size() == 1 && lines.front().isEmpty()) {
        lines = {
            QStringLiteral("# Serial ports: one line per port number, \"n device\"; "
                           "Port Setup and CAT Setup write them.")};
    } else if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();  // the final line end
    }
    bool placed = false;
    for (auto line = lines.begin(); line != lines.end();) {
        if (!namesPort(*line, number)) {
            ++line;
        } else if (!placed) {
            *line++ = entry;
            placed = true;
        } else {
            line = lines.erase(line);
        }
    }
    if (!placed) {
        lines.append(entry);
    }
    return lines.join(kLineEnd) + kLineEnd;
}

std::optional<PersistedFileError> attachSerialPort(int number, const QString& path) {
    const QString name = QString::fromLatin1(link::PortMap::kFileName);
    const std::optional<QString> text = readPersistedFile(name);
    if (!text && QFileInfo::exists(name)) {
        return unreadable(name);
    }
    return writePersistedFile(name, withSerialPort(text.value_or(QString()), number, path));
}

}  // namespace tq::persist
