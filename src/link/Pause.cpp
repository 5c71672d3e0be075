#include "link/Pause.h"

namespace tq::link {

namespace {

// Clock readings are seconds since midnight: at tens of thousands of
// seconds the difference of two readings a whole number of milliseconds
// apart often comes out a few picoseconds short of it, and a pause that
// took that for time still to wait would sleep another millisecond (the
// shortest wait), on most of the CAT port's 15 ms receive pauses.
constexpr double kReadingError = 1e-9;

}  // namespace

void Pause(Clock& clock, double seconds) {
    if (seconds <= 0) {
        return;
    }
    double start = clock.now();
    for (;;) {
        const double elapsed = elapsedSince(clock, start);
        if (elapsed >= seconds - kReadingError) {
            return;
        }
        clock.waitForEvents(seconds - elapsed);
    }
}

}  // namespace tq::link
