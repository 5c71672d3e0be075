#pragma once

#include <QtGlobal>
#include <optional>

#include "rigctl/RigMode.h"
#include "rigctl/RigResult.h"

namespace tq::rigctl {

/// What a network client may read from and do to the radio. Every call
/// returns at once and never waits for the radio, so the server answers each
/// line as it arrives: reads give the radio's state as last reported, with
/// accepted sets not yet carried out shown as their new values; a set is
/// checked at once and, when accepted, carried out by the main loop between
/// its exchanges with the radio. No call throws. The program implements it
/// over the panel; tests over a plain record.
class RigAccess {
public:
    /// Lowest and highest frequency the radio tunes, in Hz (10 Hz steps).
    static constexpr qint64 kLowestHz = 1600000;
    static constexpr qint64 kHighestHz = 29999990;

    virtual ~RigAccess() = default;

    /// The frequency the radio last reported (or an accepted set's);
    /// nothing before it reported one.
    virtual std::optional<qint64> frequencyHz() const = 0;
    /// Asks for a frequency within the limits, in whole 10 Hz: Ok when
    /// accepted, the refusal otherwise.
    virtual RigResult setFrequency(qint64 hz) = 0;

    virtual std::optional<RigMode> mode() const = 0;
    virtual RigResult setMode(RigMode mode) = 0;

    /// The radio's own answer: it transmits.
    virtual bool keyed() const = 0;
    /// Latches or releases the transmitter the way the panel's transmit
    /// button does, with its checks; a refused latch is not Ok.
    virtual RigResult setTransmit(bool on) = 0;
    /// The panel's transmit latch holds the transmitter, or an accepted
    /// latch is still to be carried out.
    virtual bool transmitLatched() const = 0;
};

}  // namespace tq::rigctl
