#include "rigctl/RigctlCommand.h"

#include <QRegularExpression>
#include <array>
#include <cmath>

#include "rigctl/RigctlDumpState.h"

namespace tq::rigctl {

namespace {

// The one VFO the program shows to clients: the radio's current one.
const QString kVfoA = QStringLiteral("VFOA");

CommandAnswer failed(RigResult result) {
    CommandAnswer answer;
    answer.result = result;
    return answer;
}

CommandAnswer values(QStringList list) {
    CommandAnswer answer;
    answer.values = std::move(list);
    return answer;
}

CommandAnswer getFreq(const QStringList&, RigAccess& rig) {
    const auto hz = rig.frequencyHz();
    if (!hz) {
        return failed(RigResult::IoError);  // the radio has not reported one yet
    }
    return values({QString::number(*hz)});
}

CommandAnswer setFreq(const QStringList& arguments, RigAccess& rig) {
    const auto hz = parseFrequencyHz(arguments.value(0));
    if (!hz || *hz < RigAccess::kLowestHz || *hz > RigAccess::kHighestHz) {
        return failed(RigResult::InvalidArgument);
    }
    return failed(rig.setFrequency(*hz));
}

CommandAnswer getMode(const QStringList&, RigAccess& rig) {
    const auto mode = rig.mode();
    if (!mode) {
        return failed(RigResult::IoError);
    }
    return values({modeName(*mode), QString::number(modePassband(*mode))});
}

CommandAnswer setMode(const QStringList& arguments, RigAccess& rig) {
    const auto mode = modeFromName(arguments.value(0));
    // The passband is checked as a number and otherwise ignored: the radio
    // has no filter to choose (0 and -1 are Hamlib's "default" and "keep").
    bool numeric = false;
    arguments.value(1).toLongLong(&numeric);
    if (!mode || !numeric) {
        return failed(RigResult::InvalidArgument);
    }
    return failed(rig.setMode(*mode));
}

CommandAnswer getPtt(const QStringList&, RigAccess& rig) {
    return values({rig.keyed() ? QStringLiteral("1") : QStringLiteral("0")});
}

CommandAnswer setPtt(const QStringList& arguments, RigAccess& rig) {
    // 1, 2 (microphone) and 3 (data) all key; the radio has one transmitter.
    bool numeric = false;
    const int value = arguments.value(0).toInt(&numeric);
    if (!numeric || value < 0 || value > 3) {
        return failed(RigResult::InvalidArgument);
    }
    const bool on = value != 0;
    CommandAnswer answer = failed(rig.setTransmit(on));
    if (answer.result == RigResult::Ok) {
        answer.transmitSet = on;
    }
    return answer;
}

CommandAnswer getVfo(const QStringList&, RigAccess&) {
    return values({kVfoA});
}

CommandAnswer setVfo(const QStringList& arguments, RigAccess&) {
    static const QStringList kCurrent = {kVfoA, QStringLiteral("currVFO"), QStringLiteral("Main")};
    return failed(kCurrent.contains(arguments.value(0)) ? RigResult::Ok : RigResult::NotAvailable);
}

CommandAnswer getSplit(const QStringList&, RigAccess&) {
    return values({QStringLiteral("0"), kVfoA});
}

CommandAnswer setSplit(const QStringList& arguments, RigAccess&) {
    // The panel's split works on its own VFO B; clients run without split
    // (WSJT-X "None" or "Fake It").
    return failed(arguments.value(0) == u"0" ? RigResult::Ok : RigResult::NotAvailable);
}

CommandAnswer zero(const QStringList&, RigAccess&) {
    return values({QStringLiteral("0")});
}

CommandAnswer one(const QStringList&, RigAccess&) {
    return values({QStringLiteral("1")});
}

CommandAnswer lockMode(const QStringList& arguments, RigAccess& rig) {
    CommandAnswer answer = zero(arguments, rig);
    answer.plainReport = true;
    return answer;
}

CommandAnswer dumpState(const QStringList&, RigAccess&) {
    return values(dumpStateLines());
}

CommandAnswer quit(const QStringList&, RigAccess&) {
    CommandAnswer answer;
    answer.quit = true;
    return answer;
}

constexpr std::array<const char*, 0> kNoFields{};
constexpr std::array<const char*, 1> kFrequency{"Frequency"};
constexpr std::array<const char*, 2> kMode{"Mode", "Passband"};
constexpr std::array<const char*, 1> kPtt{"PTT"};
constexpr std::array<const char*, 1> kVfo{"VFO"};
constexpr std::array<const char*, 2> kSplit{"Split", "TX VFO"};
constexpr std::array<const char*, 1> kChkVfo{"ChkVFO"};
constexpr std::array<const char*, 1> kPowerStatus{"Power Status"};
constexpr std::array<const char*, 1> kLocked{"Locked"};

// The subset of rigctld that Hamlib's own network client, WSJT-X,
// GPredict and CQRLOG use.
const std::array<RigctlCommand, 16> kCommands{{
    {u'f', "get_freq", 0, kFrequency, getFreq},
    {u'F', "set_freq", 1, kNoFields, setFreq},
    {u'm', "get_mode", 0, kMode, getMode},
    {u'M', "set_mode", 2, kNoFields, setMode},
    {u't', "get_ptt", 0, kPtt, getPtt},
    {u'T', "set_ptt", 1, kNoFields, setPtt},
    {u'v', "get_vfo", 0, kVfo, getVfo},
    {u'V', "set_vfo", 1, kNoFields, setVfo},
    {u's', "get_split_vfo", 0, kSplit, getSplit},
    {u'S', "set_split_vfo", 2, kNoFields, setSplit},
    {QChar(), "chk_vfo", 0, kChkVfo, zero},
    {QChar(), "get_powerstat", 0, kPowerStatus, one},
    {QChar(), "get_lock_mode", 0, kLocked, lockMode},
    {QChar(), "dump_state", 0, kNoFields, dumpState},
    {u'q', "quit", 0, kNoFields, quit},
    {u'Q', "exit", 0, kNoFields, quit},
}};

}  // namespace

const RigctlCommand* findShortCommand(QChar name) {
    for (const RigctlCommand& command : kCommands) {
        if (!command.shortName.isNull() && command.shortName == name) {
            return &command;
        }
    }
    return nullptr;
}

const RigctlCommand* findLongCommand(const QString& name) {
    for (const RigctlCommand& command : kCommands) {
        if (name == QLatin1String(command.longName)) {
            return &command;
        }
    }
    return nullptr;
}

std::optional<qint64> parseFrequencyHz(const QString& text) {
    // At most eleven whole digits: anything longer is far outside the radio
    // and must not overflow on the way to the range check.
    static const QRegularExpression kNumber(QStringLiteral("^[0-9]{1,11}(\\.[0-9]{0,9})?$"));
    if (!kNumber.match(text).hasMatch()) {
        return std::nullopt;
    }
    const double hz = text.toDouble();
    return std::llround(hz / 10.0) * 10;
}

}  // namespace tq::rigctl
