// A line of a settings file that cannot be what its place holds reads as
// missing and takes the line's default: junk is never shown, never sent to a
// port, never written back.
#include <gtest/gtest.h>

#include <QStringList>
#include <functional>

#include "link/QStringPrinter.h"
#include "persist/PersistedAudioSetup.h"
#include "persist/PersistedState.h"
#include "persist/PortSetupFile.h"
#include "persist/StationLinksFile.h"

namespace tq::persist {
namespace {

QString iniLines(const QString& text) {
    const PersistedState state = PersistedState::parse(text);
    return QStringList{QString::number(state.left),
                       QString::number(state.top),
                       state.vfoBDigits.value_or(QStringLiteral("-")),
                       state.vfoBMode,
                       state.splitCaption,
                       state.stepSize}
        .join(u'|');
}

QString portLines(const QString& text) {
    const PortSetupFile file = parsePortSetup(text);
    return QStringList{file.portNumber, file.settings, file.handshake, file.fourth}.join(u'|');
}

QString audioLines(const QString& text) {
    const PersistedAudioSettings s = parseAudioSetup(text);
    return QStringList{s.SetupSource, s.SetupPttEn, s.SetupLocRem, s.DigitalSource, s.DigitalVox}
        .join(u'|');
}

QString linksLines(const QString& text) {
    const StationLinks links = parseStationLinks(text);
    return QStringList{QString::number(links.extendedCat), QString::number(links.networkEnabled),
                       links.networkAddress, QString::number(links.networkPort)}
        .join(u'|');
}

TEST(PersistedSettingsLines, JunkLinesReadAsMissingAndTakeTheirDefaults) {
    const QByteArray longLine(300, 'A');
    struct Case {
        const char* what;
        std::function<QString(const QString&)> read;
        QByteArray bytes;
        const char* expected;
    };
    const Case cases[] = {
        {"ini as written", iniLines, " 4320 \r\n-150 \r\n1420000\r\nUSB\r\nSplit On\r\n1KHz\r\n",
         "4320|-150|1420000|USB|Split On|1KHz"},
        {"ini binary split caption", iniLines,
         " 4320 \r\n 150 \r\n1420000\r\nUSB\r\n\x7f"
         "ELF\x02\x01\x01\r\n1KHz\r\n",
         "4320|150|1420000|USB||1KHz"},
        {"ini bytes that are no text", iniLines,
         " 4320 \r\n 150 \r\n1420000\r\n\xff\xfe\r\nSplit Off\r\nOFF\r\n",
         "4320|150|1420000||Split Off|OFF"},
        {"ini far too long", iniLines,
         "\t4320\r\n 150 \r\n1420000\r\nUSB\r\nSplit Off\r\n" + longLine + "\r\n",
         "0|150|1420000|USB|Split Off|"},
        {"ini non-ASCII digits", iniLines,
         " 1 \r\n 2 \r\n\xd9\xa1"
         "234567\r\n",
         "1|2|-|||"},
        {"ini caption of another script", iniLines, " 1 \r\n 2 \r\n\r\nUSB\r\nSplit \xc3\x9c\r\n",
         "1|2|-|USB|Split \xc3\x9c|"},
        {"port setup escape sequence", portLines, "3\r\n9600\x1b[2J,O,7,1\r\ncomRTS\r\n1\r\n",
         "3||comRTS|1"},
        {"port setup NUL in rig type", portLines,
         QByteArrayLiteral("3\r\n9600,O,7,1\r\ncomNone\r\nKen\0wood\r\n"), "3|9600,O,7,1|comNone|"},
        {"audio junk and missing lines", audioLines, "\x01\x02 Phone\r\n" + longLine + "\r\n",
         "H1|'1|\"1|H3|V2"},
        {"links address with a bell", linksLines, "1\r\n1\r\n192.168.1.20\x07\r\n4600\r\n",
         "1|1|127.0.0.1|4600"},
        {"links far too long port", linksLines, "0\r\n1\r\n::1\r\n" + longLine + "\r\n",
         "0|1|::1|4532"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.read(QString::fromUtf8(c.bytes)), QString::fromUtf8(c.expected)) << c.what;
    }
}

}  // namespace
}  // namespace tq::persist
