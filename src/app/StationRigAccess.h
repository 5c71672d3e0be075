#pragma once

#include "panel/StationGateway.h"
#include "rigctl/RigAccess.h"

namespace tq::app {

/// Network rig control's view of the radio: the station gateway's, so a
/// client is answered at once and can do no more than the operator at the
/// panel could. A set the radio cannot take now because its port is lost
/// is an I/O error to the client.
class StationRigAccess final : public rigctl::RigAccess {
public:
    explicit StationRigAccess(panel::StationGateway& gateway) : m_gateway(gateway) {}

    std::optional<qint64> frequencyHz() const override;
    rigctl::RigResult setFrequency(qint64 hz) override;
    std::optional<rigctl::RigMode> mode() const override;
    rigctl::RigResult setMode(rigctl::RigMode mode) override;
    bool keyed() const override;
    rigctl::RigResult setTransmit(bool on) override;
    bool transmitLatched() const override;

private:
    panel::StationGateway& m_gateway;
};

}  // namespace tq::app
