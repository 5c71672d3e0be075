#include "panel/TransmitPermission.h"

#include "panel/AmateurBands.h"

namespace tq::panel {

bool mayTransmit(const TransmitConditions& conditions) {
    if (!conditions.remoteControl || !conditions.radioReachable || conditions.scanning ||
        conditions.otherHolder) {
        return false;
    }
    // A frequency that is no number (nothing reported yet) is no band.
    bool numeric = false;
    conditions.frequency.toInt(&numeric);
    if (conditions.frequency.size() != 7 || !numeric) {
        return false;
    }
    return InAmateurBand(u'F' + conditions.frequency, conditions.outOfBandAllowed).value_or(false);
}

bool frequencyMayMove(protocol::RadioLink& link) {
    return link.SyncChar != protocol::SyncCharacter::K && !link.state().RadioKeyed;
}

}  // namespace tq::panel
