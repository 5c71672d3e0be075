#include "sim/Amplifier.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace tq::sim {

namespace {
constexpr double kNever = std::numeric_limits<double>::infinity();
}

Amplifier::Amplifier(RadioSettings& settings, Timings timings)
    : m_settings(settings), m_timings(timings) {
    clearTimers();
    // A radio configured to start with the amplifier warming up must still
    // reach standby, and one in operate must still ask for a tune.
    if (power() == kWarmUp) {
        m_warmUpEnds = m_timings.warmUpSeconds;
    } else if (power() == kOperate && tune() == kTuneIdle) {
        m_tuneRequestAt = m_timings.tuneRequestSeconds;
    }
}

void Amplifier::clearTimers() {
    m_warmUpEnds = kNever;
    m_tuneRequestAt = kNever;
    m_tuneDoneAt = kNever;
}

void Amplifier::command(int code, double now) {
    switch (code) {
        case kOff:
            setPower(kOff);
            setTune(kTuneIdle);
            clearTimers();
            break;
        case kWarmUp:
            if (power() == kOff) {
                setPower(kWarmUp);
                m_warmUpEnds = now + m_timings.warmUpSeconds;
            }
            break;
        case kStandby:
            if (power() == kOperate) {
                setPower(kStandby);
                setTune(kTuneIdle);
                clearTimers();
            }
            break;
        case kOperate:
            if (power() == kStandby) {
                setPower(kOperate);
                m_tuneRequestAt = now + m_timings.tuneRequestSeconds;
            }
            break;
        default:
            break;
    }
}

void Amplifier::startTuning(double now) {
    setTune(kTuning);
    m_tuneDoneAt = now + m_timings.tuneSeconds;
}

void Amplifier::keyChanged(bool keyed, double now) {
    if (keyed && tune() == kTuneRequested) {
        startTuning(now);
    } else if (!keyed && tune() == kTuning) {
        // Carrier gone before the tune finished: the amplifier asks again.
        setTune(kTuneRequested);
        m_tuneDoneAt = kNever;
    }
}

void Amplifier::advanceTo(double now) {
    // A due timer is always spent, even if a command has made it moot, so the
    // caller's loop over nextEventTime() always moves on.
    if (now >= m_warmUpEnds) {
        m_warmUpEnds = kNever;
        if (power() == kWarmUp) {
            setPower(kStandby);
        }
    }
    if (now >= m_tuneRequestAt) {
        const double requestedAt = std::exchange(m_tuneRequestAt, kNever);
        if (power() == kOperate && tune() == kTuneIdle) {
            setTune(kTuneRequested);
            // Already transmitting when the amplifier asks: it tunes on that carrier.
            if (m_settings.keyed()) {
                startTuning(requestedAt);
            }
        }
    }
    if (now >= m_tuneDoneAt) {
        m_tuneDoneAt = kNever;
        if (tune() == kTuning) {
            setTune(kTuned);
        }
    }
}

double Amplifier::nextEventTime() const {
    return std::min({m_warmUpEnds, m_tuneRequestAt, m_tuneDoneAt});
}

}  // namespace tq::sim
