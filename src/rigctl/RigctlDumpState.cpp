#include "rigctl/RigctlDumpState.h"

#include "rigctl/RigAccess.h"
#include "rigctl/RigMode.h"

namespace tq::rigctl {

namespace {

QString hex(unsigned value) {
    return QStringLiteral("0x%1").arg(value, 0, 16);
}

QString range(const QString& power) {
    // start end modes low_power high_power vfo antenna; VFO A and antenna 1.
    return QStringLiteral("%1.000000 %2.000000 %3 %4 %5 0x1")
        .arg(RigAccess::kLowestHz)
        .arg(RigAccess::kHighestHz)
        .arg(hex(kHamlibModeMask), power, hex(0x1));
}

}  // namespace

QStringList dumpStateLines() {
    const QString endOfRanges = QStringLiteral("0 0 0 0 0 0 0");
    const QString endOfList = QStringLiteral("0 0");
    const QString none = QStringLiteral("0x0");
    constexpr unsigned kSsbAndCw = 0x2 | 0x4 | 0x8;
    constexpr unsigned kAm = 0x1;
    return {
        QStringLiteral("0"),  // protocol version
        QStringLiteral("2"),  // rig model: NET rigctl
        QStringLiteral("0"),  // ITU region
        range(QStringLiteral("-1 -1")), endOfRanges,
        // Transmit power in mW; the radio does not report it.
        range(QStringLiteral("1000 100000")), endOfRanges,
        hex(kHamlibModeMask) + QStringLiteral(" 10"),  // tuning step: 10 Hz
        endOfList, QStringLiteral("%1 %2").arg(hex(kSsbAndCw)).arg(modePassband(RigMode::Usb)),
        QStringLiteral("%1 %2").arg(hex(kAm)).arg(modePassband(RigMode::Am)), endOfList,
        QStringLiteral("0"),  // max RIT
        QStringLiteral("0"),  // max XIT
        QStringLiteral("0"),  // max IF shift
        QStringLiteral("0"),  // announces
        QString(),            // preamplifier steps: none
        QString(),            // attenuator steps: none
        none,                 // get functions
        none,                 // set functions
        none,                 // get levels
        none,                 // set levels
        none,                 // get parameters
        none,                 // set parameters
    };
}

}  // namespace tq::rigctl
