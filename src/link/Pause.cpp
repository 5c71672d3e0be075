#include "link/Pause.h"

namespace tq::link {

void Pause(Clock& clock, double seconds) {
    if (seconds <= 0) {
        return;
    }
    double start = clock.now();
    for (;;) {
        const double elapsed = elapsedSince(clock, start);
        if (elapsed >= seconds) {
            return;
        }
        clock.waitForEvents(seconds - elapsed);
    }
}

}  // namespace tq::link
