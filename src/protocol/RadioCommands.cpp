#include "protocol/RadioCommands.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>

#include "link/Pause.h"

namespace tq::protocol {

namespace {

constexpr double kFrequencyPause = 0.45;
constexpr double kAgcPause = 0.1;
constexpr double kModePause = 0.3;
constexpr double kModeOncePause = 0.1;
constexpr double kMeterPause = 0.3;
constexpr double kPttEnablePause = 0.2;
constexpr double kModeReplyTimeout = 2.0;
constexpr double kStatusPause = 1.0;

// Settings that the radio's keys step through, as "X<digit>" replies: the
// index of a reply is its digit minus one, and anything unknown counts as 0.
int settingIndex(const QString& reply, QChar letter, int count) {
    if (reply.size() >= 2 && reply.at(0) == letter) {
        const int digit = reply.at(1).digitValue();
        if (digit >= 1 && digit <= count && reply.mid(2).trimmed().isEmpty()) {
            return digit - 1;
        }
    }
    return 0;
}

// The digit of a one-digit reply; a missing or non-digit character counts as 0.
int replyDigit(const QString& reply) {
    return reply.size() >= 2 ? std::max(0, reply.at(1).digitValue()) : 0;
}

}  // namespace

RadioCommands::RadioCommands(RadioLink& link) : m_link(link), m_state(link.state()) {}

namespace {

/// The letters of the radio's AGC, mode and meter keys in each dialect.
/// The v604 Adapt firmware sets AGC and mode directly and still steps the
/// meter with the v601 letter; only the v604 NonAdapt firmware changed the
/// case of its letters, which is why the meter key is the other way round
/// from the other two there. No letter is known before the dialect is.
struct KeyLetters {
    const char* agc;
    const char* mode;
    const char* meter;
};

// Indexed by the dialect's code.
constexpr std::array<KeyLetters, 4> kKeyLetters{{
    {"", "", ""},     // undecided
    {"A", "M", "d"},  // v601
    {"", "", "d"},    // v604 Adapt
    {"a", "m", "D"},  // v604 NonAdapt
}};

const KeyLetters& keyLetters(Firmware firmware) {
    return kKeyLetters[static_cast<std::size_t>(firmware)];
}

}  // namespace

QString RadioCommands::agcKey(Firmware firmwareType) {
    return QString::fromLatin1(keyLetters(firmwareType).agc);
}

QString RadioCommands::modeKey(Firmware firmwareType) {
    return QString::fromLatin1(keyLetters(firmwareType).mode);
}

QString RadioCommands::meterKey(Firmware firmwareType) {
    return QString::fromLatin1(keyLetters(firmwareType).meter);
}

void RadioCommands::pressKey(const QString& key, int presses, double pauseSeconds) {
    if (key.isEmpty() || presses <= 0) {
        return;
    }
    m_link.SendRadioCommand(key.repeated(presses), true, pauseSeconds);
    m_link.AwaitRadioReply();
}

void RadioCommands::writeDirectSet(const QString& value) {
    // The v604 Adapt firmware takes the value directly; the frequency is sent
    // behind it because the radio re-tunes on a direct mode or AGC set.
    m_link.writeDirect(value + u'\n' + m_state.FreqReply + u'\n');
}

void RadioCommands::SendFrequency(const QString& digits) {
    static const QRegularExpression sevenDigits(QStringLiteral("^[0-9]{7}$"));
    if (!sevenDigits.match(digits).hasMatch()) {
        return;
    }
    m_link.SendRadioCommand(u'F' + digits, true, kFrequencyPause);
    m_link.AwaitRadioReply();
}

void RadioCommands::StepAgc(const QString& target) {
    if (m_state.FirmwareType == Firmware::V604Adapt) {
        m_link.SendRadioCommand(target + u'\n' + m_state.FreqReply + u'\n', false, kAgcPause);
        m_link.AwaitRadioReply();
        return;
    }
    // The key cycles SLOW -> MED -> FAST -> SLOW; OFF is only ever set directly.
    const int current = replyDigit(m_state.AgcReply);
    int wanted = replyDigit(target);
    if (current == wanted) {
        return;
    }
    if (current > wanted) {
        wanted += 3;
    }
    pressKey(agcKey(m_state.FirmwareType), wanted - current, kAgcPause);
}

void RadioCommands::SelectMode(const QString& target) {
    if (m_state.ModeReply == target) {
        return;
    }
    if (m_state.FirmwareType == Firmware::V604Adapt) {
        m_link.DrainRadioInput();
        writeDirectSet(target);
        link::Pause(m_link.clock(), kModePause);
        m_link.AwaitRadioReply();
    } else {
        if (m_state.FirmwareType == Firmware::V601) {
            m_state.SavedPttEn = m_state.PttEnReply;
        }
        // The key cycles USB -> LSB -> AME -> CW -> USB.
        int current = settingIndex(m_state.ModeReply, u'M', 4) + 4;
        const int wanted = settingIndex(target, u'M', 4) + 4;
        if (current > wanted) {
            current -= 4;
        }
        pressKey(modeKey(m_state.FirmwareType), wanted - current, kModePause);
        // The oldest firmware flips PTT enable on a mode change; put it back.
        if (m_state.FirmwareType == Firmware::V601 && m_state.PttEnReply != m_state.SavedPttEn) {
            TogglePttEnable();
        }
    }
    showChangedModeSettings();
}

void RadioCommands::showChangedModeSettings() {
    Indicators& shown = m_link.indicators();
    if (m_state.ModeReplyNew) {
        shown.showMode();
        m_state.ModeReplyNew = false;
    }
    if (m_state.SideToneReplyNew) {
        shown.showSideTone();
        m_state.SideToneReplyNew = false;
    }
    if (m_state.SourceReplyNew) {
        shown.showSource();
        m_state.SourceReplyNew = false;
    }
    if (m_state.PttEnReplyNew) {
        shown.showPttEnable();
        m_state.PttEnReplyNew = false;
    }
}

void RadioCommands::StepMeter(const QString& target) {
    const QString key = meterKey(m_state.FirmwareType);
    m_link.indicators().greyMeterLabels();
    int current = settingIndex(m_state.MeterSelReply, u'D', 6) + 6;
    const int wanted = settingIndex(target, u'D', 6) + 6;
    if (current == wanted) {
        return;
    }
    if (current > wanted) {
        current -= 6;
    }
    pressKey(key, wanted - current, kMeterPause);
}

void RadioCommands::StepModeOnce() {
    if (m_state.FirmwareType == Firmware::V604Adapt) {
        static const char* const kNextMode[] = {"M2", "M3", "M4", "M1"};
        const int index = settingIndex(m_state.ModeReply, u'M', 4);
        m_link.DrainRadioInput();
        writeDirectSet(QString::fromLatin1(kNextMode[index]));
        link::Pause(m_link.clock(), kModePause);
    } else {
        const QString key = modeKey(m_state.FirmwareType);
        if (!key.isEmpty()) {
            m_link.SendRadioCommand(key, true, kModeOncePause);
        }
    }
    m_state.ModeReplyNew = false;
    double start = m_link.clock().now();
    while (!m_state.ModeReplyNew && link::elapsedSince(m_link.clock(), start) < kModeReplyTimeout) {
        m_link.AwaitRadioReply();
    }
    if (!m_state.ModeReplyNew) {
        m_link.indicators().showErrorInfo(QStringLiteral("Mode did not change.."));
        m_link.SendRadioCommand(QStringLiteral("?"), true, kStatusPause);
        m_link.AwaitRadioReply();
    }
    m_link.indicators().showMode();
    m_state.ModeReplyNew = false;
}

void RadioCommands::TogglePttEnable() {
    if (m_state.FirmwareType == Firmware::V601) {
        m_link.SendRadioCommand(QStringLiteral("'"), false, kPttEnablePause);
    } else if (m_state.PttEnReply == u"'0") {
        m_link.SendRadioCommand(QStringLiteral("'1"), true, kPttEnablePause);
    } else if (m_state.PttEnReply == u"'1") {
        m_link.SendRadioCommand(QStringLiteral("'0"), true, kPttEnablePause);
    }
    m_link.AwaitRadioReply();
}

}  // namespace tq::protocol
