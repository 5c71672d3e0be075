#include "sim/MemoryBank.h"

#include "sim/RadioSettings.h"
#include "sim/Tuning.h"

namespace tq::sim {

MemoryBank::MemoryBank() {
    // Channel n: 14.000 MHz + n x 10 kHz, the modes in turn.
    for (int n = 0; n < kChannels; ++n) {
        m_channels[n] = {1400000 + n * 1000, 1 + n % 4};
    }
}

bool MemoryBank::store(int number, Channel entry) {
    if (number < 0 || number >= kChannels || !Tuning::isFrequency(entry.frequency) ||
        !Tuning::isMode(entry.mode)) {
        return false;
    }
    m_channels[number] = entry;
    return true;
}

QByteArray MemoryBank::line(int number) const {
    const Channel& entry = channel(number);
    return "P" + digits(number, 2) + digits(entry.frequency, 7) + digits(entry.mode, 1);
}

}  // namespace tq::sim
