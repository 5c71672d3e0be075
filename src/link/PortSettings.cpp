#include "link/PortSettings.h"

#include <QStringList>
#include <array>
#include <utility>

#include "link/PortFailure.h"

namespace tq::link {

namespace {

[[noreturn]] void rejectSettings() {
    throw PortFailure(PortFailure::kInvalidPropertyValue, QStringLiteral("Invalid property value"));
}

PortSettings::Parity parityFromLetter(const QString& letter) {
    static const std::array<std::pair<QChar, PortSettings::Parity>, 5> letters{{
        {u'N', PortSettings::Parity::None},
        {u'O', PortSettings::Parity::Odd},
        {u'E', PortSettings::Parity::Even},
        {u'M', PortSettings::Parity::Mark},
        {u'S', PortSettings::Parity::Space},
    }};
    if (letter.size() == 1) {
        for (const auto& [ch, parity] : letters) {
            if (letter.at(0).toUpper() == ch) {
                return parity;
            }
        }
    }
    rejectSettings();
}

PortSettings::StopBits stopBitsFromText(const QString& text) {
    if (text == u"1")
        return PortSettings::StopBits::One;
    if (text == u"1.5")
        return PortSettings::StopBits::OneAndHalf;
    if (text == u"2")
        return PortSettings::StopBits::Two;
    rejectSettings();
}

}  // namespace

PortSettings PortSettings::parse(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4) {
        rejectSettings();
    }
    PortSettings settings;
    bool ok = false;
    settings.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || settings.baudRate <= 0) {
        rejectSettings();
    }
    settings.parity = parityFromLetter(parts[1].trimmed());
    settings.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || settings.dataBits < 5 || settings.dataBits > 8) {
        rejectSettings();
    }
    settings.stopBits = stopBitsFromText(parts[3].trimmed());
    return settings;
}

Handshaking handshakingFromName(const QString& name) {
    const QString key = name.trimmed();
    if (key.compare(u"comRTS", Qt::CaseInsensitive) == 0 ||
        key.compare(u"comRTSXonXoff", Qt::CaseInsensitive) == 0) {
        return Handshaking::RtsCts;
    }
    return Handshaking::None;
}

}  // namespace tq::link
