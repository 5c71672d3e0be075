#pragma once

#include "link/Clock.h"

namespace tq::link {

/// Returns after the given number of seconds, handling window events all the
/// while, so any handler of the program may run inside a pause. A duration of
/// 0 or less returns at once without handling any event. A pause that spans
/// midnight still ends on time.
void Pause(Clock& clock, double seconds);

}  // namespace tq::link
