// What the link reads from settings files, their texts and the port map,
// and what it tells the operator about a refused open.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <limits>

#include "link/FileExists.h"
#include "link/IntegerValue.h"
#include "link/OpenRefusal.h"
#include "link/PortFailure.h"
#include "link/PortMap.h"
#include "link/PortSettings.h"
#include "link/RegularFile.h"
#include "support/CurrentDirectory.h"
#include "support/QStringPrinter.h"
#include "support/RecordingLinkIndicators.h"

namespace tq::link {
namespace {

TEST(LinkIntegerValue, ReadsTheNumberAtTheStartOfASettingsLine) {
    const std::pair<const char*, int> cases[] = {
        {"3", 3},    {"3 ", 3},
        {" 12", 12}, {"1 2", 12},
        {"3abc", 3}, {"-2", -2},
        {"+7", 7},   {"", 0},
        {"COM3", 0}, {"  ", 0},
        {"-", 0},    {"4\r", 4},
        {"1-2", 1},  {"99999999999", std::numeric_limits<int>::max()},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(integerValue(QString::fromLatin1(text)), expected) << '"' << text << '"';
    }
}

// As root every device opens, so the operator's texts for a refused open
// are checked from the error numbers an ordinary user's open would give.
TEST(LinkOpenRefusal, ErrorNumbersOfARefusedOpenGiveCauseDeviceAndRemedy) {
    const char* denied =
        "Permission denied: /dev/ttyUSB0. Add your user to the dialout group and log in again.";
    const std::pair<int, const char*> cases[] = {
        {EACCES, denied},
        {EPERM, denied},
        {EBUSY,
         "In use by another program: /dev/ttyUSB0. Close that program or choose another port."},
        {ENOENT, ""},  // the system's own text stands
        {EIO, ""},
        {0, ""},
    };
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(refusalText(refusalFromSystemError(error), QStringLiteral("/dev/ttyUSB0")),
                  QString::fromUtf8(text))
            << "errno " << error;
    }
}

using Parity = PortSettings::Parity;
using StopBits = PortSettings::StopBits;

TEST(LinkPortSettings, TextsAsTheSetupDialogsWriteThemAndNothingMalformed) {
    const struct {
        const char* text;
        int baud;
        Parity parity;
        int bits;
        StopBits stop;
    } cases[] = {
        {"9600 ,O,7,1", 9600, Parity::Odd, 7, StopBits::One},
        {"4800 ,N, 8, 1", 4800, Parity::None, 8, StopBits::One},
        {"19200,e,5,2", 19200, Parity::Even, 5, StopBits::Two},
    };
    for (const auto& c : cases) {
        const PortSettings s = PortSettings::parse(QString::fromLatin1(c.text));
        EXPECT_EQ(std::tuple(s.baudRate, s.parity, s.dataBits, s.stopBits),
                  std::tuple(c.baud, c.parity, c.bits, c.stop))
            << c.text;
    }
    for (const char* text : {"", "9600", "9600,O,7", "9600,O,7,1,1", "fast,O,7,1", "-9600,O,7,1",
                             "0,O,7,1", "9600,X,7,1", "9600,OO,7,1", "9600,O,9,1", "9600,O,4,1",
                             "9600,O,seven,1", "9600,O,7,3", "9600,O,7,", ",O,7,1"}) {
        try {
            PortSettings::parse(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const PortFailure& failure) {
            EXPECT_EQ(failure.number(), PortFailure::kInvalidPropertyValue) << text;
        }
    }
}

TEST(LinkPortMap, EachLookupReadsTheNumberedLinesOfTheFileAndIgnoresTheRest) {
    QTemporaryDir dir;
    const PortMap map(dir.path());
    EXPECT_EQ(map.devicePath(4), QStringLiteral("/dev/ttyS3")) << "unmapped: a built-in port";
    const QString target = dir.filePath(QStringLiteral("device"));
    QFile(target).open(QIODevice::WriteOnly);
    const QString link = dir.filePath(QStringLiteral("by-id-link"));
    ASSERT_TRUE(QFile::link(target, link));
    const auto writeMap = [&](const QString& text) {
        QFile file(dir.filePath(QStringLiteral("SerialPorts.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    };
    writeMap(QStringLiteral("# radio and CAT ports\r\n\r\n3 /dev/ttyUSB0\r\n"
                            "  4\t/dev/serial/by-id/usb-FTDI_FT232R name with blanks  \r\n"
                            "   # indented comment\nfive /dev/ttyUSB5\n6\n0 /dev/ttyUSB9\n"
                            "-1 /dev/ttyUSB8\n7x /dev/ttyUSB7\n8 ttyACM0\n3 /dev/ttyUSB1\n"
                            "6 %1\n9 /nonexistent/ttyX\n")
                 .arg(link));
    const QMap<int, QString> expected{
        {3, QStringLiteral("/dev/ttyUSB1")},  // a later line for a number wins
        {4, QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R name with blanks")},
        {6, link},
        {8, QStringLiteral("ttyACM0")},
        {9, QStringLiteral("/nonexistent/ttyX")},
    };
    EXPECT_EQ(map.mappedEntries(), expected);
    EXPECT_EQ(map.devicePath(8), QStringLiteral("/dev/ttyACM0"));  // bare names live in /dev
    EXPECT_EQ(map.resolvedDevicePath(6), QFileInfo(target).canonicalFilePath());
    EXPECT_EQ(map.resolvedDevicePath(9), QStringLiteral("/nonexistent/ttyX"));
    writeMap(QStringLiteral("3 /dev/ttyUSB3\n"));
    EXPECT_EQ(map.devicePath(3), QStringLiteral("/dev/ttyUSB3"));
}

// What a settings file name may turn out to be: none but a regular file of
// sane size holds settings, and a FIFO would wait for a writer.
bool makeFileOf(const QString& name, qint64 size) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.resize(size);  // sparse: costs no disk
}

TEST(LinkFileExists, OnlyReadableRegularFilesWithinTheSizeLimitCountAndNothingWaits) {
    QTemporaryDir dir;
    const CurrentDirectory current(dir.path());
    struct Case {
        const char* what;
        std::function<bool(const QString&)> make;
        const char* report;  // nullptr: the file is read
        qint64 sizeLimit = kFileSizeLimit;
    };
    const auto sized = [](qint64 size) {
        return [size](const QString& name) { return makeFileOf(name, size); };
    };
    const Case cases[] = {
        {"file at the limit", sized(kFileSizeLimit), nullptr},
        {"oversized marker", sized(kFileSizeLimit + 1), nullptr, kAnyFileSize},
        {"oversized file", sized(kFileSizeLimit + 1), "Err 27. File too large"},
        {"missing", [](const QString&) { return true; }, "Err 2. No such file or directory"},
        {"directory", [](const QString& n) { return QDir().mkdir(n); }, "Err 21. Is a directory"},
        {"FIFO", [](const QString& n) { return ::mkfifo(QFile::encodeName(n), 0600) == 0; },
         "Err 6. Not a regular file"},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.what).replace(u' ', u'_');
        ASSERT_TRUE(c.make(name)) << c.what;
        RecordingLinkIndicators indicators;
        // Whatever an earlier step left in the box.
        indicators.setInfo(QStringLiteral("Querying radio status"), false);
        const bool exists = fileExists(name, indicators, c.sizeLimit);
        // The readers refuse exactly what the probe refuses, at once.
        const auto read = readRegularFile(name, std::min(c.sizeLimit, kFileSizeLimit + 1));
        EXPECT_TRUE(indicators.infoVisible()) << c.what;
        if (c.report == nullptr) {
            EXPECT_TRUE(exists) << c.what;
            EXPECT_EQ(indicators.shown(), QStringList{QString()}) << c.what;
            EXPECT_TRUE(std::holds_alternative<QByteArray>(read)) << c.what;
            continue;
        }
        const QString where = QStringLiteral("fileExists(%1)").arg(name);
        const QString report = where + QStringLiteral(": ") + QString::fromLatin1(c.report);
        EXPECT_FALSE(exists) << c.what;
        EXPECT_EQ(indicators.shown(), (QStringList{QString(), report})) << c.what;
        ASSERT_TRUE(std::holds_alternative<FileFailure>(read)) << c.what;
        EXPECT_EQ(std::get<FileFailure>(read).report(where), report) << c.what;
    }
}

}  // namespace
}  // namespace tq::link
