#pragma once

#include <cstdint>

namespace tq::sim {

/// Link faults the simulated radio can be told to commit, so the program's
/// handling of a bad line can be exercised on purpose. Rates are
/// probabilities from 0 to 1; the same seed gives the same faults.
struct FaultOptions {
    bool silent = false;        // never sends anything
    double dropRate = 0.0;      // a whole reply batch is lost
    double garbleRate = 0.0;    // one character of a reply line is changed
    double parityNoise = 0.0;   // a reply byte arrives as ":" (parity error)
    bool noSyncAnswer = false;  // "K" and "U" are acted on but not answered
    std::uint64_t seed = 1;
};

}  // namespace tq::sim
