#pragma once

#include "sim/FaultOptions.h"
#include "sim/RadioSettings.h"

namespace tq::sim {

/// The firmware dialects the radio has shipped with. They differ in key
/// letters, in direct sets and in the lines that close a status dump.
enum class Firmware {
    V601 = 1,         // "A"/"M" keys, "d" meter key, bare "'" and double-quote toggles
    V604Adapt = 2,    // direct "A1".."M4" sets, no "!" in the status dump
    V604NonAdapt = 3  // lowercase "a"/"m" keys, "D" meter key, a "Q" status line
};

/// Everything fixed when a simulated radio is made.
struct RadioOptions {
    Firmware firmware = Firmware::V604Adapt;
    bool remote = true;  // front-panel switch: remote ("R1") or local ("R0") control
    RadioSettings initial;

    double warmUpSeconds = 5.0;       // amplifier "O2" until it reaches standby "O3"
    double tuneRequestSeconds = 1.0;  // from operate "O4" until the amplifier asks "T2"
    double tuneSeconds = 2.0;         // keyed time the amplifier needs from "T3" to "T4"
    double keyHoldSeconds = 10.0;     // keyed without a fresh "K" this long: unkeys; 0 = never

    FaultOptions faults;
};

}  // namespace tq::sim
