#include "panel/AmateurBands.h"

#include <array>
#include <cstdint>

namespace tq::panel {

namespace {

struct BandEdges {
    std::int64_t lowHz;
    std::int64_t highHz;
};

// 60 m is channelised: only the centre frequencies themselves are allowed.
constexpr std::array<std::int64_t, 5> kChannelsHz{5330500, 5346500, 5357000, 5371500, 5403500};

constexpr std::array<BandEdges, 9> kBandsHz{{
    {1800000, 2000000},
    {3500000, 4000000},
    {7000000, 7300000},
    {10100000, 10150000},
    {14000000, 14350000},
    {18068000, 18168000},
    {21000000, 21450000},
    {24890000, 24990000},
    {28000000, 29700000},
}};

constexpr int kDigits = 7;

/// Reads trimmed text as a whole number; a leading sign is allowed.
std::optional<std::int64_t> wholeNumber(const QString& text) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<bool> InAmateurBand(const QString& text, bool outOfBandAllowed) {
    if (outOfBandAllowed) {
        return true;
    }
    // Appending "0" turns the radio's 10 Hz units into hertz; a blank-padded
    // short reply is read from what is left after trimming.
    const QString digits = text.right(kDigits).trimmed() + QLatin1Char('0');
    const auto hz = wholeNumber(digits);
    if (!hz) {
        return std::nullopt;
    }
    for (std::int64_t channel : kChannelsHz) {
        if (*hz == channel) {
            return true;
        }
    }
    for (const BandEdges& band : kBandsHz) {
        if (*hz >= band.lowHz && *hz <= band.highHz) {
            return true;
        }
    }
    return false;
}

}  // namespace tq::panel
