// The settings file formats: what each writes, and that a line which cannot
// be what its place holds reads as missing (junk is never shown, sent or kept).
#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <functional>

#include "persist/PersistedAudioSetup.h"
#include "persist/PersistedNumber.h"
#include "persist/PersistedState.h"
#include "persist/PortSetupFile.h"
#include "persist/SerialPortsFile.h"
#include "persist/StationLinksFile.h"
#include "persist/WebPanelFile.h"
#include "support/QStringPrinter.h"

namespace tq::persist {
namespace {

using Reader = std::function<QString(const QString&)>;

QString ini(const QString& text) {
    const PersistedState s = PersistedState::parse(text);
    return QStringList{QString::number(s.left),
                       QString::number(s.top),
                       s.vfoBDigits.value_or(QStringLiteral("-")),
                       s.vfoBMode,
                       s.splitCaption,
                       s.stepSize}
        .join(u'|');
}
QString port(const QString& text) {
    const PortSetupFile f = parsePortSetup(text);
    return QStringList{f.portNumber, f.settings, f.handshake, f.fourth}.join(u'|');
}
QString audio(const QString& text) {
    const PersistedAudioSettings s = parseAudioSetup(text);
    return QStringList{s.SetupSource, s.SetupPttEn, s.SetupLocRem, s.DigitalSource, s.DigitalVox}
        .join(u'|');
}
QString links(const QString& text) {
    const StationLinks l = parseStationLinks(text);
    return QStringList{QString::number(l.extendedCat), QString::number(l.networkEnabled),
                       l.networkAddress, QString::number(l.networkPort)}
        .join(u'|');
}
QString web(const QString& text) {
    const WebPanelSettings w = parseWebPanelSettings(text);
    return QStringList{QString::number(w.enabled), w.address, QString::number(w.port),
                       w.certificateFile, w.keyFile}
        .join(u'|');
}
QString serialPort3(const QString& text) {
    return withSerialPort(text, 3, QStringLiteral("/dev/ttyUSB0"));
}

TEST(PersistedFormats, WrittenWithCrLfLinesAndReadBackWithOrWithoutTheirCr) {
    const struct {
        Reader read;
        QString text;
        QString startsWith;
        int lines;
        const char* readBack;
    } cases[] = {
        {ini,
         PersistedState{-150, 2880, QStringLiteral("1420000"), QStringLiteral("USB"),
                        QStringLiteral("Split Off"), QStringLiteral("1 kHz")}
             .format(),
         QStringLiteral("-150 \r\n 2880 \r\n1420000\r\nUSB\r\nSplit Off\r\n1 kHz\r\n"), 6,
         "-150|2880|1420000|USB|Split Off|1 kHz"},
        {port,
         formatPortSetup({QStringLiteral("10"), QStringLiteral("9600 ,O,7,1"),
                          QStringLiteral("comRTSXonXoff"), extPttLine(true)},
                         extPttDescription()),
         QStringLiteral("10\r\n9600 ,O,7,1\r\ncomRTSXonXoff\r\n1\r\n"
                        "Line 1: Port Number, COM1 = 1, COM2 = 2, etc..\r\n"
                        "Line 2: Baud,Parity,Bits,Stop\r\n"
                        "Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff\r\n"
                        "Line 4: External PTT Enable: Enabled =  1 \r\n"),
         8, "10|9600 ,O,7,1|comRTSXonXoff|1"},
        {audio, formatAudioSetup(PersistedAudioSettings::defaults()),
         QStringLiteral("H1 Phone Audio Source\r\n'1 PTT Enable\r\n\"1 LocalRemote Audio\r\n"
                        "H3 Digital Audio Source\r\nV2 Digital VOX: [V1|V2|V3]\r\nComments:"),
         10, "H1|'1|\"1|H3|V2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readBack);
        EXPECT_TRUE(c.text.startsWith(c.startsWith)) << c.text.toStdString();
        EXPECT_EQ(c.text.count(QStringLiteral("\r\n")), c.lines);
        EXPECT_EQ(c.text.count(u'\n'), c.lines);
        EXPECT_EQ(c.read(c.text), QString::fromUtf8(c.readBack));
        QString lf = QString(c.text).remove(u'\r');
        EXPECT_EQ(c.read(lf), QString::fromUtf8(c.readBack)) << "LF alone";
        lf.chop(1);
        EXPECT_EQ(c.read(lf), QString::fromUtf8(c.readBack)) << "no end after the last line";
    }
}

TEST(PersistedFormats, MissingOddAndJunkLinesReadAsTheyStandOrAsTheirDefaults) {
    const QByteArray longLine(300, 'A');
    // clang-format off
    const struct {
        Reader read;
        QByteArray bytes;
        const char* expected;
    } cases[] = {
        // A position is the number its line starts with, texts stand as they
        // are, VFO B is exactly seven decimal digits.
        {ini, " 1200 \r\n-45 \r\n", "1200|-45|-|||"},
        {ini, "left\r\n 300 twips\r\n14200.00\r\n  LSB \r\nSplit On\r\n", "0|300|-|  LSB |Split On|"},
        {ini, " 0 \r\n 0 \r\n123456\r\n", "0|0|-|||"},
        {ini, " 0 \r\n 0 \r\n12345a7\r\n", "0|0|-|||"},
        {ini, " 4320 \r\n 150 \r\n1420000\r\nUSB\r\n\x7f" "ELF\x02\x01\x01\r\n1KHz\r\n",
         "4320|150|1420000|USB||1KHz"},
        {ini, "\t4320\r\n 150 \r\n1420000\r\nUSB\r\nSplit Off\r\n" + longLine + "\r\n",
         "0|150|1420000|USB|Split Off|"},
        // Port setup lines are not cleaned up.
        {port, "COM3 \n\r\n comrts\nyes\r\nextra\n", "COM3 || comrts|yes"},
        {port, "3\r\n9600\x1b[2J,O,7,1\r\ncomRTS\r\n1\r\n", "3||comRTS|1"},
        {port, QByteArrayLiteral("3\r\n9600,O,7,1\r\ncomNone\r\nKen\0wood\r\n"),
         "3|9600,O,7,1|comNone|"},
        // Audio codes are the first two characters of lines one to five.
        {audio, "H2 Phone Audio Source\n'0\n\"0 LocalRemote\r\nH\r\nV1 Digital VOX", "H2|'0|\"0|H|V1"},
        {audio, "\x01\x02 Phone\r\n" + longLine + "\r\n", "H1|'1|\"1|H3|V2"},
        // Only a "1" switches on; a blank address stays on this computer.
        {links, "yes\r\n2\r\n   \r\n70000\r\n", "0|0|127.0.0.1|4532"},
        {links, "1\r\n1\r\n192.168.1.20\x07\r\n4600\r\n", "1|1|127.0.0.1|4600"},
        {links, "0\r\n1\r\n::1\r\n" + longLine + "\r\n", "0|1|::1|4532"},
        {web, "on\n \n99999\n", "0|127.0.0.1|8073||"},
        {web, "1\n::1\n0\n", "1|::1|8073||"},
        // SerialPorts.txt: port 3's line changes, everything else stays.
        {serialPort3, "# shack\n3 /dev/ttyS2\n4 /dev/pts/7\n",
         "# shack\r\n3 /dev/ttyUSB0\r\n4 /dev/pts/7\r\n"},
        // A later line for the number would win over the new one: dropped.
        {serialPort3, "3 a\r\n5 b\r\n 3\tc\r\n", "3 /dev/ttyUSB0\r\n5 b\r\n"},
        // "13" and "#3" do not name port 3; a file without a final line end.
        {serialPort3, "13 x\r\n#3 y", "13 x\r\n#3 y\r\n3 /dev/ttyUSB0\r\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(c.read(QString::fromUtf8(c.bytes)), QString::fromUtf8(c.expected))
            << c.bytes.toPercentEncoding().constData();
    }
}

TEST(PersistedNumber, PrintedWithSignPlaceAndOneBlankBehindAndReadFromTheLinesStart) {
    // clang-format off
    const std::pair<double, const char*> written[] = {
        {4320, " 4320 "}, {-150, "-150 "}, {-0.25, "-0.25 "}, {2147483648.0, " 2147483648 "},
        // Nothing that prints as zero carries a minus sign.
        {-1e-9, " 0 "}, {std::nan(""), " 0 "}, {12.5, " 12.5 "},
    };
    // clang-format on
    for (const auto& [value, text] : written) {
        EXPECT_EQ(formatPersistedNumber(value), QString::fromLatin1(text)) << value;
    }
    // clang-format off
    const std::pair<const char*, double> read[] = {
        {" 2147483648 ", 2147483648.0}, {"- 1 5\t0 ", -150}, {"+7", 7}, {" 12.5px", 12.5},
        {"1.2.3", 1.2}, {"", 0}, {"Split Off", 0}, {"-", 0}, {"+-3", 0},
    };
    // clang-format on
    for (const auto& [text, value] : read) {
        EXPECT_EQ(persistedNumberValue(QString::fromLatin1(text)), value) << text;
    }
}

}  // namespace
}  // namespace tq::persist
