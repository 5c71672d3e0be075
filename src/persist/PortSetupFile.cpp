#include "persist/PortSetupFile.h"

#include <QStringList>
#include <array>

#include "persist/PersistedFile.h"
#include "persist/PersistedNumber.h"
#include "persist/SettingsLines.h"

namespace tq::persist {

namespace {

// Option button order; the index is also what the dialogs show.
constexpr std::array<QStringView, kHandshakeCount> kHandshakeNames = {u"comNone", u"comXonXoff",
                                                                      u"comRTS", u"comRTSXonXoff"};

using Chars = LineRule::Chars;

// What each data line of PortSetup.txt and CATSetup.txt can be. The port
// line may hold a device path typed by hand (/dev/serial/by-id/... names run
// to a hundred characters), the fourth a rig type typed by hand.
constexpr std::array<LineRule, 4> kDataLines{{
    {Chars::Text, 255},  // port number or device path
    {Chars::Ascii, 32},  // "9600 ,O,7,1"
    {Chars::Ascii, 32},  // handshaking name
    {Chars::Text, 64},   // external PTT "1"/"0", or the CAT rig type
}};

}  // namespace

PortSetupFile parsePortSetup(const QString& text) {
    const SettingsLines lines(text, kDataLines);
    return {lines.value(0), lines.value(1), lines.value(2), lines.value(3)};
}

QString formatPortSetup(const PortSetupFile& lines, const QString& fourthDescription) {
    const QStringList all = {
        lines.portNumber,
        lines.settings,
        lines.handshake,
        lines.fourth,
        QStringLiteral("Line 1: Port Number, COM1 = 1, COM2 = 2, etc.."),
        QStringLiteral("Line 2: Baud,Parity,Bits,Stop"),
        QStringLiteral("Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff"),
        fourthDescription,
    };
    return all.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString extPttDescription() {
    return QStringLiteral("Line 4: External PTT Enable: Enabled = ") + formatPersistedNumber(1);
}

QString rigTypeDescription() {
    return QStringLiteral("Line 4: RigType");
}

QString extPttLine(bool enabled) {
    return enabled ? QStringLiteral("1") : QStringLiteral("0");
}

QString handshakeName(int index) {
    if (index < 0 || index >= static_cast<int>(kHandshakeNames.size())) {
        return kHandshakeNames.front().toString();
    }
    return kHandshakeNames.at(static_cast<std::size_t>(index)).toString();
}

int handshakeIndex(const QString& name) {
    // Blanks around the name are ignored as the serial layer ignores them, so
    // the buttons show the flow control the port is really given.
    const QString key = name.trimmed();
    for (std::size_t i = 0; i < kHandshakeNames.size(); ++i) {
        if (key.compare(kHandshakeNames.at(i), Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

std::optional<PersistedFileError> savePortSetup(const QString& fileName, const PortSetupFile& lines,
                                                const QString& fourthDescription) {
    return writePersistedFile(fileName, formatPortSetup(lines, fourthDescription));
}

}  // namespace tq::persist
