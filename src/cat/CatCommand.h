#pragma once

#include <QString>

namespace tq::cat {

/// What one command of a batch asks for. The first four are the plain
/// bridge's; the rest exist only while the extended commands are on.
enum class CatAction {
    ReadFrequency,
    SetFrequency,
    ReadMode,
    SetMode,
    ReadId,        // "ID;": which rig answers
    ReadInfo,      // "IF;": frequency, keyed state and mode in one reply
    ReadAutoInfo,  // "AI;": unsolicited status reports (never sent)
    ReadPower,     // "PS;": the radio is on
    ReadVfoB,
    SetVfoB,
    Transmit,  // latch the transmitter the way the panel's XMT button does
    Receive,   // release that latch
    Accept,    // understood, nothing to do and nothing to answer
    Refuse,    // not understood: answered "?;"
};

/// One recognised command. The argument of a set is what the radio is sent:
/// seven digits in 10 Hz units for a frequency, the radio's mode code ("M1")
/// for a mode; reads have none.
struct CatCommand {
    CatAction action;
    QString argument;

    bool operator==(const CatCommand&) const = default;
};

}  // namespace tq::cat
