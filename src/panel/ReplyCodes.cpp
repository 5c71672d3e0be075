#include "panel/ReplyCodes.h"

#include <array>

namespace tq::panel {

namespace {

template <typename Enum>
struct CodeRow {
    const char* reply;
    Enum value;
};

constexpr std::array<CodeRow<Mode>, 4> kModes{
    {{"M1", Mode::Usb}, {"M2", Mode::Lsb}, {"M3", Mode::Ame}, {"M4", Mode::Cw}}};
constexpr std::array<CodeRow<Agc>, 4> kAgcs{
    {{"A1", Agc::Off}, {"A2", Agc::Slow}, {"A3", Agc::Med}, {"A4", Agc::Fast}}};
constexpr std::array<CodeRow<Source>, 4> kSources{
    {{"H1", Source::Mic}, {"H2", Source::Audio2}, {"H3", Source::Patch}, {"H4", Source::OffCw}}};
constexpr std::array<CodeRow<RemoteIndicator>, 2> kRemotes{
    {{"R1", RemoteIndicator::Remote}, {"R0", RemoteIndicator::Local}}};
constexpr std::array<CodeRow<OnOff>, 2> kMutes{{{"(0", OnOff::Off}, {"(1", OnOff::On}}};
constexpr std::array<CodeRow<OnOff>, 2> kClippings{{{"I0", OnOff::Off}, {"I1", OnOff::On}}};
constexpr std::array<CodeRow<OnOff>, 2> kPttEnables{{{"'0", OnOff::Off}, {"'1", OnOff::On}}};
constexpr std::array<CodeRow<OnOff>, 2> kSideTones{{{"S0", OnOff::Off}, {"S1", OnOff::On}}};
constexpr std::array<CodeRow<Vox>, 3> kVoxes{
    {{"V0", Vox::Off}, {"V1", Vox::Voice}, {"V2", Vox::Data}}};
constexpr std::array<CodeRow<Mode>, 4> kChannelModes{
    {{"1", Mode::Usb}, {"2", Mode::Lsb}, {"3", Mode::Ame}, {"4", Mode::Cw}}};

// The whole reply is compared, both characters.
template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const std::array<CodeRow<Enum>, N>& table, const QString& reply) {
    for (const CodeRow<Enum>& row : table) {
        if (reply == QLatin1String(row.reply)) {
            return row.value;
        }
    }
    return std::nullopt;
}

template <typename Enum, std::size_t N>
std::optional<QString> codeOf(const std::array<CodeRow<Enum>, N>& table, Enum value) {
    for (const CodeRow<Enum>& row : table) {
        if (row.value == value) {
            return QString::fromLatin1(row.reply);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Mode> modeOfReply(const QString& reply) {
    return valueOf(kModes, reply);
}
std::optional<Agc> agcOfReply(const QString& reply) {
    return valueOf(kAgcs, reply);
}
std::optional<Source> sourceOfReply(const QString& reply) {
    return valueOf(kSources, reply);
}
std::optional<RemoteIndicator> remoteOfReply(const QString& reply) {
    return valueOf(kRemotes, reply);
}
std::optional<OnOff> muteOfReply(const QString& reply) {
    return valueOf(kMutes, reply);
}
std::optional<OnOff> clippingOfReply(const QString& reply) {
    return valueOf(kClippings, reply);
}
std::optional<OnOff> pttEnableOfReply(const QString& reply) {
    return valueOf(kPttEnables, reply);
}
std::optional<OnOff> sideToneOfReply(const QString& reply) {
    return valueOf(kSideTones, reply);
}
std::optional<Vox> voxOfReply(const QString& reply) {
    return valueOf(kVoxes, reply);
}
std::optional<Mode> modeOfChannelDigit(const QString& digit) {
    return valueOf(kChannelModes, digit);
}

std::optional<QString> replyOf(Mode mode) {
    return codeOf(kModes, mode);
}
std::optional<QString> replyOf(Agc agc) {
    return codeOf(kAgcs, agc);
}
std::optional<QString> replyOf(Source source) {
    return codeOf(kSources, source);
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

}  // namespace tq::panel
