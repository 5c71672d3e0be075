#pragma once

#include "rigctl/RigAccess.h"

namespace tq::app {

class Program;

/// Network rig control's view of the radio: reads come from the radio
/// state, sets run the panel's own operations with the panel's checks, so a
/// client can do no more than the operator at the panel could.
class PanelRigAccess final : public rigctl::RigAccess {
public:
    explicit PanelRigAccess(Program& program);

    std::optional<qint64> frequencyHz() const override;
    /// Refused while the panel transmits or its frequency is locked.
    rigctl::RigResult setFrequency(qint64 hz) override;
    std::optional<rigctl::RigMode> mode() const override;
    rigctl::RigResult setMode(rigctl::RigMode mode) override;
    bool keyed() const override;
    /// The latching transmit operation. Latching is refused outside remote
    /// operation, while the panel's transmit button is disabled (band
    /// limits, tune, a scan), while anything else keys the radio, and on a
    /// frequency outside the permitted
    /// bands; with split on, the operation's own VFO B check applies.
    rigctl::RigResult setTransmit(bool on) override;
    bool transmitLatched() const override;

private:
    bool panelTransmitting() const;
    bool currentFrequencyInBand() const;

    Program& m_program;
};

}  // namespace tq::app
