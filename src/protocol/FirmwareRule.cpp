#include "protocol/FirmwareRule.h"

#include <array>

namespace tq::protocol {

namespace {

struct Dialect {
    Firmware firmwareType;
    const char* remoteCaption;
    const char* localCaption;
};

constexpr std::array<Dialect, 3> kDialects{{
    {Firmware::V601, "F/W: v601", "F/W: v601C"},
    {Firmware::V604Adapt, "F/W: v604 Adapt", "F/W: v604M Adapt"},
    {Firmware::V604NonAdapt, "F/W: v604 NonAdapt", "F/W: v604M NonAdapt"},
}};

}  // namespace

void applyFirmwareRule(RadioState& state, Indicators& indicators, ControlSetUp setUp) {
    if (!state.DotSeen || !(state.BangSeen || state.HashSeen)) {
        return;
    }
    // No "!" is the Adapt firmware; "!" with a "Q" line the NonAdapt one.
    const std::size_t row = !state.BangSeen ? 1 : (state.QSeen ? 2 : 0);
    const Dialect& dialect = kDialects[row];
    state.FirmwareType = dialect.firmwareType;
    indicators.setFirmwareCaption(QString::fromLatin1(
        setUp == ControlSetUp::Remote ? dialect.remoteCaption : dialect.localCaption));
}

}  // namespace tq::protocol
