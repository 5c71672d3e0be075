#pragma once

#include "sim/RadioSettings.h"

namespace tq::sim {

/// The reading the radio sends in a "J" line for its selected meter.
///
/// Readings stay within 0..21, the span of the program's meter bar. While
/// receiving, the power meters (FWD, REF, VSWR) show the received signal,
/// which falls as the RF gain is turned down and wavers by a step between
/// readings; while transmitting they show a steady carrier into a good load.
class MeterModel {
public:
    static constexpr int kMaximum = 21;

    int reading(const RadioSettings& settings);

private:
    int m_count = 0;
};

}  // namespace tq::sim
