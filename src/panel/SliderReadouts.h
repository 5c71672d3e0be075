#pragma once

#include <QString>

namespace tq::panel {

// Slider ranges. Both sliders are vertical with the low-numbered end of the
// radio's scale at the bottom: the BFO runs 0..200 with 100 as zero offset,
// the RF gain 0..63 with full gain (63) at the top.
inline constexpr int kBfoBottom = 0;
inline constexpr int kBfoTop = 200;
inline constexpr int kBfoZero = 100;
inline constexpr int kRfgBottom = 0;
inline constexpr int kRfgTop = 63;

/// BFO offset read-out in hertz, three digits with its sign:
/// 100 reads "000", 101 "010", 99 "-010", 0 "-1000".
QString bfoReadout(int value);

/// RF gain read-out in percent of full gain: top "100", bottom "000".
QString rfgReadout(int value);

/// A number in the read-outs' "000" format: at least three digits, the
/// minus sign in front of them.
QString threeDigits(int value);

}  // namespace tq::panel
