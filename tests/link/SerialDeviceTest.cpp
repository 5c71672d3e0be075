// How a serial device is named to the operator and found again behind the
// paths the port map holds.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "link/QtSerialDeviceList.h"
#include "link/SerialDevice.h"
#include "support/QStringPrinter.h"

namespace tq::link {
namespace {

TEST(LinkSerialDevice, LabelSaysWhatTheDeviceSaysWithoutRepeatingIt) {
    const struct {
        const char* description;
        const char* manufacturer;
        const char* label;
    } cases[] = {
        {"FT232R USB UART", "FTDI", "ttyUSB0: FT232R USB UART (FTDI)"},
        {"Prolific USB-to-Serial Comm Port", "Prolific",
         "ttyUSB0: Prolific USB-to-Serial Comm Port"},
        {"", "FTDI", "ttyUSB0 (FTDI)"},
        {"", "", "ttyUSB0"},
    };
    for (const auto& c : cases) {
        const SerialDevice device{QStringLiteral("ttyUSB0"),
                                  QStringLiteral("/dev/ttyUSB0"),
                                  {},
                                  QString::fromLatin1(c.description),
                                  QString::fromLatin1(c.manufacturer)};
        EXPECT_EQ(device.label(), QString::fromLatin1(c.label));
    }
}

TEST(LinkSerialDevice, IsFoundBehindItsStableNameAndBehindAnyLinkToIt) {
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("ttyUSB0"));
    QFile(device).open(QIODevice::WriteOnly);
    const QString byId = dir.filePath(QStringLiteral("by-id"));
    ASSERT_TRUE(QDir().mkpath(byId));
    const QString stable = byId + QStringLiteral("/usb-FTDI_FT232R_A600-if00-port0");
    ASSERT_TRUE(QFile::link(device, stable));
    QFile(byId + QStringLiteral("/not-a-link")).open(QIODevice::WriteOnly);
    const QString ownLink = dir.filePath(QStringLiteral("radio"));
    ASSERT_TRUE(QFile::link(stable, ownLink));

    EXPECT_EQ(QtSerialDeviceList::stableNameOf(device, byId), stable);
    EXPECT_EQ(QtSerialDeviceList::stableNameOf(dir.filePath(QStringLiteral("ttyUSB1")), byId),
              QString());

    const SerialDevice listed{QStringLiteral("ttyUSB0"), device, stable, {}, {}};
    EXPECT_EQ(listed.path(), stable) << "the name that survives re-plugging";
    for (const QString& path : {device, stable, ownLink}) {
        EXPECT_TRUE(listed.isNamedBy(path)) << path.toStdString();
    }
    EXPECT_FALSE(listed.isNamedBy(dir.filePath(QStringLiteral("ttyUSB1"))));
    EXPECT_FALSE(listed.isNamedBy(QString()));
}

}  // namespace
}  // namespace tq::link
