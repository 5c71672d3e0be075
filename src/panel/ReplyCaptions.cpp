#include "panel/ReplyCaptions.h"

#include <array>

namespace tq::panel {

namespace {

constexpr std::array<CaptionRow, 4> kMode{
    {{"M1", "USB"}, {"M2", "LSB"}, {"M3", "AME"}, {"M4", "CW"}}};
constexpr std::array<CaptionRow, 4> kAgc{
    {{"A1", "OFF"}, {"A2", "SLOW"}, {"A3", "MED"}, {"A4", "FAST"}}};
constexpr std::array<CaptionRow, 4> kSource{
    {{"H1", "MIC"}, {"H2", "AUDIO2"}, {"H3", "PATCH"}, {"H4", "OFF/CW"}}};
constexpr std::array<CaptionRow, 2> kRemote{{{"R1", "REMOTE"}, {"R0", "LOCAL"}}};
constexpr std::array<CaptionRow, 2> kMute{{{"(0", "OFF"}, {"(1", "ON"}}};
constexpr std::array<CaptionRow, 2> kClip{{{"I0", "OFF"}, {"I1", "ON"}}};
constexpr std::array<CaptionRow, 2> kPttEnable{{{"'0", "OFF"}, {"'1", "ON"}}};
constexpr std::array<CaptionRow, 2> kSideTone{{{"S0", "OFF"}, {"S1", "ON"}}};
constexpr std::array<CaptionRow, 3> kVox{{{"V0", "OFF"}, {"V1", "VOICE"}, {"V2", "DATA"}}};
constexpr std::array<CaptionRow, 4> kChannelMode{
    {{"1", "USB"}, {"2", "LSB"}, {"3", "AME"}, {"4", "CW"}}};

}  // namespace

std::optional<QString> captionFor(std::span<const CaptionRow> table, const QString& reply) {
    for (const CaptionRow& row : table) {
        if (reply == QLatin1String(row.reply)) {
            return QString::fromLatin1(row.caption);
        }
    }
    return std::nullopt;
}

std::optional<QString> replyFor(std::span<const CaptionRow> table, const QString& caption) {
    for (const CaptionRow& row : table) {
        if (caption == QLatin1String(row.caption)) {
            return QString::fromLatin1(row.reply);
        }
    }
    return std::nullopt;
}

std::optional<QString> frequencyDigitsOf(const QString& freqReply) {
    constexpr int kDigits = 7;
    if (freqReply.size() != kDigits + 1 || freqReply[0] != QLatin1Char('F')) {
        return std::nullopt;
    }
    const QString digits = freqReply.mid(1);
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    return digits;
}

std::span<const CaptionRow> modeCaptions() {
    return kMode;
}
std::span<const CaptionRow> agcCaptions() {
    return kAgc;
}
std::span<const CaptionRow> sourceCaptions() {
    return kSource;
}
std::span<const CaptionRow> remoteCaptions() {
    return kRemote;
}
std::span<const CaptionRow> muteCaptions() {
    return kMute;
}
std::span<const CaptionRow> clipCaptions() {
    return kClip;
}
std::span<const CaptionRow> pttEnableCaptions() {
    return kPttEnable;
}
std::span<const CaptionRow> sideToneCaptions() {
    return kSideTone;
}
std::span<const CaptionRow> voxCaptions() {
    return kVox;
}
std::span<const CaptionRow> channelModeCaptions() {
    return kChannelMode;
}

}  // namespace tq::panel
