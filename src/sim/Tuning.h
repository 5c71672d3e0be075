#pragma once

namespace tq::sim {

/// The frequency range and modes the receiver can be set to.
class Tuning {
public:
    static constexpr int kLowestFrequency = 160000;    // 1.6 MHz in 10 Hz units
    static constexpr int kHighestFrequency = 2999999;  // 29.999 99 MHz

    static constexpr bool isFrequency(int tenHz) {
        return tenHz >= kLowestFrequency && tenHz <= kHighestFrequency;
    }
    static constexpr bool isMode(int mode) { return mode >= 1 && mode <= 4; }
};

}  // namespace tq::sim
