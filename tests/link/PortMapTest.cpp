#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "QStringPrinter.h"
#include "link/PortMap.h"

namespace tq::link {
namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

TEST(LinkPortMap, ParsesNumberedLinesAndIgnoresTheRest) {
    const QString text = QStringLiteral(
        "# radio and CAT ports\r\n"
        "\r\n"
        "3 /dev/ttyUSB0\r\n"
        "  4\t/dev/serial/by-id/usb-FTDI_FT232R name with blanks  \r\n"
        "   # indented comment\n"
        "five /dev/ttyUSB5\n"
        "6\n"
        "0 /dev/ttyUSB9\n"
        "-1 /dev/ttyUSB8\n"
        "7x /dev/ttyUSB7\n"
        "8 ttyACM0\n"
        "3 /dev/ttyUSB1\n");
    const QMap<int, QString> entries = PortMap::parse(text);
    const QMap<int, QString> expected{
        {3, QStringLiteral("/dev/ttyUSB1")},  // a later line for a number wins
        {4, QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R name with blanks")},
        {8, QStringLiteral("ttyACM0")},
    };
    EXPECT_EQ(entries, expected);
    EXPECT_TRUE(PortMap::parse(QString()).isEmpty());
}

TEST(LinkPortMap, NumbersNotInTheFileFallBackToBuiltInPorts) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const PortMap map(dir.path());
    EXPECT_TRUE(map.mappedEntries().isEmpty());
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(map.devicePath(4), QStringLiteral("/dev/ttyS3"));

    writeFile(dir.filePath(QStringLiteral("SerialPorts.txt")), "2 /dev/ttyUSB0\n5 ttyACM1\n");
    EXPECT_EQ(map.devicePath(2), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(map.devicePath(5), QStringLiteral("/dev/ttyACM1"));  // bare names live in /dev
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(map.mappedEntries().keys(), (QList<int>{2, 5}));
}

TEST(LinkPortMap, ChangesToTheFileTakeEffectAtTheNextLookup) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const PortMap map(dir.path());
    const QString file = dir.filePath(QStringLiteral("SerialPorts.txt"));
    writeFile(file, "1 /dev/ttyUSB0\n");
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyUSB0"));
    writeFile(file, "1 /dev/ttyUSB3\n");
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyUSB3"));
}

TEST(LinkPortMap, ResolvedPathFollowsLinksAndKeepsMissingPaths) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("device"));
    writeFile(target, "");
    const QString link = dir.filePath(QStringLiteral("by-id-link"));
    ASSERT_TRUE(QFile::link(target, link));
    writeFile(dir.filePath(QStringLiteral("SerialPorts.txt")),
              (QStringLiteral("1 ") + link + QStringLiteral("\n2 /nonexistent/ttyX\n")).toUtf8());

    const PortMap map(dir.path());
    EXPECT_EQ(map.devicePath(1), link);
    EXPECT_EQ(map.resolvedDevicePath(1), QFileInfo(target).canonicalFilePath());
    EXPECT_EQ(map.resolvedDevicePath(2), QStringLiteral("/nonexistent/ttyX"));
}

}  // namespace
}  // namespace tq::link
