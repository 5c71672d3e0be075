#include "link/Clock.h"

namespace tq::link {

double elapsedSince(Clock& clock, double& start) {
    double now = clock.now();
    // Compared in single precision, as the radio's own timing code did; the
    // rounding is monotonic, so this only differs from a double compare on ties.
    if (static_cast<float>(start) > static_cast<float>(now)) {
        start -= Clock::kSecondsPerDay;
    }
    return now - start;
}

}  // namespace tq::link
