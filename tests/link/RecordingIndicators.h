#pragma once
// Moved to tests/support; kept until every test includes it from there.
#include "support/RecordingLinkIndicators.h"
namespace tq::link {
using RecordingIndicators = RecordingLinkIndicators;
}  // namespace tq::link
