#pragma once

#include <QByteArray>
#include <array>

namespace tq::sim {

/// The radio's 100 memory channels, each a frequency and a mode.
class MemoryBank {
public:
    static constexpr int kChannels = 100;

    struct Channel {
        int frequency;  // 10 Hz units
        int mode;       // 1..4
    };

    /// Fills every channel with a distinct, valid entry, so that a recall can
    /// be told apart from a channel read back from somewhere else.
    MemoryBank();

    /// Channel n, 0 <= n < kChannels.
    const Channel& channel(int number) const { return m_channels.at(number); }

    /// Stores the entry if it is one the radio can hold; false (and nothing
    /// changed) otherwise.
    bool store(int number, Channel entry);

    /// The "P" line reporting channel n: "P" + 2-digit channel + 7 frequency
    /// digits + mode digit.
    QByteArray line(int number) const;

private:
    std::array<Channel, kChannels> m_channels;
};

}  // namespace tq::sim
