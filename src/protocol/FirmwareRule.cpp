#include "protocol/FirmwareRule.h"

#include <array>

namespace tq::protocol {

namespace {

struct Dialect {
    int firmwareType;
    const char* remoteCaption;
    const char* localCaption;
};

constexpr std::array<Dialect, 3> kDialects{{
    {1, "F/W: v601", "F/W: v601C"},
    {2, "F/W: v604 Adapt", "F/W: v604M Adapt"},
    {3, "F/W: v604 NonAdapt", "F/W: v604M NonAdapt"},
}};

}  // namespace

void applyFirmwareRule(RadioState& state, Indicators& indicators, ControlSetUp setUp) {
    if (!state.DotSeen || !(state.BangSeen || state.HashSeen)) {
        return;
    }
    const int type = !state.BangSeen ? 2 : (state.QSeen ? 3 : 1);
    const Dialect& dialect = kDialects[type - 1];
    state.FirmwareType = dialect.firmwareType;
    indicators.setFirmwareCaption(QString::fromLatin1(
        setUp == ControlSetUp::Remote ? dialect.remoteCaption : dialect.localCaption));
}

}  // namespace tq::protocol
