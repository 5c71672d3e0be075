#pragma once

#include <QString>

#include "protocol/RadioLink.h"

namespace tq::panel {

/// What decides whether the radio may be keyed now, whoever asks: the
/// panel's push-to-talk and transmit latch, and station software on the CAT
/// port or the network. Each asker fills in what it knows; one function
/// decides.
struct TransmitConditions {
    /// The panel is set up for remote operation.
    bool remoteControl = false;
    /// The radio port is open (not lost).
    bool radioReachable = false;
    /// A scan window is open.
    bool scanning = false;
    /// Tune or an amplifier tune holds the transmitter: a latch on top would
    /// unkey it on release.
    bool otherHolder = false;
    /// The frequency transmitted on (VFO B under split), seven digits in
    /// 10 Hz units, and whether Permissions.txt allows any frequency.
    QString frequency;
    bool outOfBandAllowed = false;
};

/// Whether the radio may transmit now under these conditions: in remote
/// operation, with the radio there, no scan, nothing else holding the
/// transmitter, on a frequency inside the permitted bands.
bool mayTransmit(const TransmitConditions& conditions);

/// Whether the radio's frequency may move now: not while the panel keys the
/// radio or the radio says it transmits. The check above let the
/// transmission start on this frequency; a new one may lie outside the bands.
bool frequencyMayMove(protocol::RadioLink& link);

}  // namespace tq::panel
