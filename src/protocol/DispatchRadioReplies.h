#pragma once

#include <QString>

#include "protocol/Indicators.h"
#include "protocol/RadioState.h"

namespace tq::protocol {

/// Files every complete line of a reply batch in the radio state by its first
/// character, and rewrites the batch for display: the line feed ending each
/// dispatched line becomes "<", so a batch reads on one line. Text after the
/// last line feed is not dispatched; empty lines are skipped and their line
/// feed left as it is. The rewritten batch goes to the raw data view when the
/// operator has it switched on.
void DispatchRadioReplies(QString& batch, RadioState& state, Indicators& indicators);

}  // namespace tq::protocol
