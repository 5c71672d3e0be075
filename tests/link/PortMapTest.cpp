#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "link/PortMap.h"
#include "support/QStringPrinter.h"

namespace tq::link {
namespace {

TEST(LinkPortMap, ParsesNumberedLinesAndIgnoresTheRest) {
    const QString text = QStringLiteral(
        "# radio and CAT ports\r\n\r\n3 /dev/ttyUSB0\r\n"
        "  4\t/dev/serial/by-id/usb-FTDI_FT232R name with blanks  \r\n"
        "   # indented comment\nfive /dev/ttyUSB5\n6\n0 /dev/ttyUSB9\n-1 /dev/ttyUSB8\n"
        "7x /dev/ttyUSB7\n8 ttyACM0\n3 /dev/ttyUSB1\n");
    const QMap<int, QString> expected{
        {3, QStringLiteral("/dev/ttyUSB1")},  // a later line for a number wins
        {4, QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R name with blanks")},
        {8, QStringLiteral("ttyACM0")},
    };
    EXPECT_EQ(PortMap::parse(text), expected);
    EXPECT_TRUE(PortMap::parse(QString()).isEmpty());
}

TEST(LinkPortMap, EachLookupReadsTheFileAndUnmappedNumbersAreBuiltInPorts) {
    QTemporaryDir dir;
    const PortMap map(dir.path());
    EXPECT_TRUE(map.mappedEntries().isEmpty());
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(map.devicePath(4), QStringLiteral("/dev/ttyS3"));

    const QString target = dir.filePath(QStringLiteral("device"));
    QFile(target).open(QIODevice::WriteOnly);
    const QString link = dir.filePath(QStringLiteral("by-id-link"));
    ASSERT_TRUE(QFile::link(target, link));
    const auto writeMap = [&](const QString& text) {
        QFile file(dir.filePath(QStringLiteral("SerialPorts.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    };
    writeMap(QStringLiteral("2 /dev/ttyUSB0\n5 ttyACM1\n6 %1\n7 /nonexistent/ttyX\n").arg(link));
    EXPECT_EQ(map.devicePath(2), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(map.devicePath(5), QStringLiteral("/dev/ttyACM1"));  // bare names live in /dev
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(map.mappedEntries().keys(), (QList<int>{2, 5, 6, 7}));
    EXPECT_EQ(map.devicePath(6), link);
    EXPECT_EQ(map.resolvedDevicePath(6), QFileInfo(target).canonicalFilePath());
    EXPECT_EQ(map.resolvedDevicePath(7), QStringLiteral("/nonexistent/ttyX"));

    writeMap(QStringLiteral("2 /dev/ttyUSB3\n"));
    EXPECT_EQ(map.devicePath(2), QStringLiteral("/dev/ttyUSB3"));
}

}  // namespace
}  // namespace tq::link
