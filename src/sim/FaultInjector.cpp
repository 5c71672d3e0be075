#include "sim/FaultInjector.h"

#include <algorithm>
#include <utility>

namespace tq::sim {

namespace {
// Printable ASCII: a garbled character is still one a serial line can carry
// and never a line feed, so the line count of a batch stays the same.
constexpr int kFirstPrintable = 0x21;
constexpr int kPrintableCount = 0x7F - kFirstPrintable;
}  // namespace

FaultInjector::FaultInjector(const FaultOptions& options) {
    setOptions(options);
}

void FaultInjector::setOptions(const FaultOptions& options) {
    m_options = options;
    m_random.seed(options.seed);
}

bool FaultInjector::chance(double probability) {
    if (probability <= 0.0) {
        return false;
    }
    // 53 random bits as a fraction in [0, 1): the same on every standard
    // library, unlike std::uniform_real_distribution.
    const double draw = static_cast<double>(m_random() >> 11) * 0x1.0p-53;
    return draw < probability;
}

int FaultInjector::below(int count) {
    return static_cast<int>(m_random() % count);
}

QByteArray FaultInjector::garbled(QByteArray line) {
    if (line.isEmpty()) {
        return line;
    }
    const int position = below(static_cast<int>(line.size()));
    const int original = std::max(0, line[position] - kFirstPrintable);
    // Any printable character but the original one.
    const int shift = 1 + below(kPrintableCount - 1);
    line[position] = static_cast<char>(kFirstPrintable + (original + shift) % kPrintableCount);
    return line;
}

void FaultInjector::garbleNextFrequencyLine(std::function<void(const QByteArray&)> done) {
    m_frequencyGarbled = std::move(done);
}

QByteArray FaultInjector::deliver(const QList<QByteArray>& lines) {
    if (m_options.silent || lines.isEmpty() || chance(m_options.dropRate)) {
        return {};
    }
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        QByteArray sent = chance(m_options.garbleRate) ? garbled(line) : line;
        constexpr int kSpoiledDigit = 3;
        if (m_frequencyGarbled && sent.startsWith('F') && sent.size() > kSpoiledDigit) {
            sent[kSpoiledDigit] = ':';
            std::exchange(m_frequencyGarbled, {})(sent);
        }
        bytes += sent;
        bytes += '\n';
    }
    if (m_options.parityNoise > 0.0) {
        for (char& c : bytes) {
            if (chance(m_options.parityNoise)) {
                c = ':';
            }
        }
    }
    return bytes;
}

}  // namespace tq::sim
