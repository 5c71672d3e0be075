#pragma once

#include "protocol/Indicators.h"
#include "protocol/RadioState.h"

namespace tq::protocol {

/// Which panel set-up is deciding the dialect: the firmware label names the
/// same three dialects differently in remote and in local operation.
enum class ControlSetUp { Remote, Local };

/// Decides FirmwareType from the marker lines of a complete status dump and
/// shows it: no "!" means the v604 Adapt firmware (2), "!" with a "Q" line
/// the v604 NonAdapt firmware (3), "!" alone the v601 firmware (1). Without a
/// "." and one of "!" or "#" nothing changes.
void applyFirmwareRule(RadioState& state, Indicators& indicators, ControlSetUp setUp);

}  // namespace tq::protocol
