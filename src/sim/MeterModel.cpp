#include "sim/MeterModel.h"

#include <algorithm>
#include <array>

namespace tq::sim {

namespace {

struct MeterLevels {
    int transmitting;
    bool showsSignalOnReceive;  // otherwise a quiet audio level
};

// Indexed by meter number - 1: Aud, Line, Patch, FWD, REF, VSWR.
constexpr std::array<MeterLevels, 6> kMeters{{
    {12, false},
    {10, false},
    {8, false},
    {18, true},
    {2, true},
    {3, true},
}};

constexpr int kQuietAudio = 3;
constexpr int kSignalAtFullGain = 14;
constexpr int kRfGainPerStep = 4;  // G steps per meter step
constexpr int kWaver = 3;

}  // namespace

int MeterModel::reading(const RadioSettings& settings) {
    const int meter = std::clamp(settings.get(Setting::Meter), 1, 6);
    const MeterLevels& levels = kMeters[meter - 1];
    const int waver = m_count++ % kWaver;
    int value = kQuietAudio;
    if (settings.keyed()) {
        value = levels.transmitting;
    } else if (levels.showsSignalOnReceive) {
        value = kSignalAtFullGain - settings.get(Setting::RfGain) / kRfGainPerStep + waver;
    }
    return std::clamp(value, 0, kMaximum);
}

}  // namespace tq::sim
