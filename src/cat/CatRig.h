#pragma once

#include <QString>

namespace tq::cat {

/// What the extended CAT commands reach beyond the radio state: whether
/// they are on at all, the panel's VFO B and the panel's transmit latch.
/// Implemented by the program over the panel, so station software on the
/// CAT port can do no more than the operator at the panel could.
class CatRig {
public:
    virtual ~CatRig() = default;

    /// The operator switched the extended commands on; read at every
    /// batch, so a change applies to the next one.
    virtual bool extendedCat() const = 0;
    /// The seven VFO B digits in 10 Hz units, as the panel shows them.
    virtual QString vfoB() const = 0;
    /// Puts seven digits (10 Hz units) on VFO B; false when the panel
    /// refuses them (out of the tuning range, or while it transmits).
    virtual bool setVfoB(const QString& digits) = 0;
    /// Latches or releases the transmitter through the panel's latching
    /// transmit operation and its checks; false when refused.
    virtual bool setTransmit(bool on) = 0;
};

}  // namespace tq::cat
