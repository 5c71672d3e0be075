#pragma once

#include <QMap>
#include <QString>
#include <optional>

namespace tq::link {

/// Tells which device a port number names on this computer.
///
/// On Windows port n is COMn. Elsewhere serial devices have no numbers, so the
/// operator lists them in SerialPorts.txt in the data directory, one "n path"
/// line per port ("3 /dev/ttyUSB0"); a number the file does not name falls back
/// to /dev/ttyS<n-1>, the conventional place of the n-th built-in port. The
/// file is read at every lookup so that an edit takes effect at the next open.
class PortMap {
public:
    static constexpr const char* kFileName = "SerialPorts.txt";

    /// A map over the SerialPorts.txt of the given directory; an empty
    /// directory means the current directory at the time of each lookup.
    explicit PortMap(QString directory = {});

    /// The entries of a SerialPorts.txt text. Lines starting with '#' and
    /// blank lines are comments; a line that is not a positive number followed
    /// by a path is ignored; a later line for a number replaces an earlier one.
    static QMap<int, QString> parse(const QString& text);

    /// The entries of the map file: empty when there is none, when it is no
    /// regular file or larger than kFileSizeLimit, and on Windows.
    QMap<int, QString> mappedEntries() const;

    /// The device path of port n, as named (links not followed); a bare name
    /// in the file ("ttyUSB0") is taken as a device in /dev.
    QString devicePath(int number) const;

    /// The device path with links followed, for opening: a lock taken on a
    /// link name would not stop a second open through the target's name. The
    /// path as named when it does not exist.
    QString resolvedDevicePath(int number) const;

    /// A path with links followed; the path as given when it does not exist.
    static QString resolvedPath(const QString& path);

    /// The device path in a port field that holds one instead of a number:
    /// an absolute path, where the platform names devices by path (never on
    /// Windows, whose ports all have COM numbers). Blanks around it dropped.
    static std::optional<QString> typedDevicePath(const QString& portText);

private:
    QString m_directory;
};

}  // namespace tq::link
