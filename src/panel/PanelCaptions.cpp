#include "panel/PanelCaptions.h"

#include <array>
#include <utility>

namespace tq::panel {

namespace {

template <typename Enum>
using Row = std::pair<Enum, const char*>;

// Each table lists a type's captions; the drop-down lists' items are their
// rows after the blank one, in this order.
constexpr std::array<Row<Mode>, 5> kModes{{{Mode::Blank, ""},
                                           {Mode::Usb, "USB"},
                                           {Mode::Lsb, "LSB"},
                                           {Mode::Ame, "AME"},
                                           {Mode::Cw, "CW"}}};
constexpr std::array<Row<Agc>, 5> kAgcs{{{Agc::Blank, ""},
                                         {Agc::Slow, "SLOW"},
                                         {Agc::Med, "MED"},
                                         {Agc::Fast, "FAST"},
                                         {Agc::Off, "OFF"}}};
constexpr std::array<Row<Source>, 6> kSources{{{Source::Blank, ""},
                                               {Source::Mic, "MIC"},
                                               {Source::Audio2, "AUDIO2"},
                                               {Source::Patch, "PATCH"},
                                               {Source::Remote, "REMOTE"},
                                               {Source::OffCw, "OFF/CW"}}};
constexpr std::array<Row<DigitalMode>, 4> kDigitalModes{{{DigitalMode::Off, "OFF"},
                                                         {DigitalMode::Psk, "PSK"},
                                                         {DigitalMode::Fsk, "FSK"},
                                                         {DigitalMode::Rtty, "RTTY"}}};
constexpr std::array<Row<StepSize>, 6> kStepSizes{{{StepSize::Blank, ""},
                                                   {StepSize::Hz10, "10Hz"},
                                                   {StepSize::Hz100, "100Hz"},
                                                   {StepSize::KHz1, "1KHz"},
                                                   {StepSize::KHz10, "10KHz"},
                                                   {StepSize::Off, "OFF"}}};
constexpr std::array<Row<Split>, 3> kSplits{
    {{Split::Blank, ""}, {Split::Off, "Split Off"}, {Split::On, "Split On"}}};
constexpr std::array<Row<OnOff>, 3> kOnOffs{
    {{OnOff::Blank, ""}, {OnOff::Off, "OFF"}, {OnOff::On, "ON"}}};
constexpr std::array<Row<Vox>, 4> kVoxes{
    {{Vox::Blank, ""}, {Vox::Off, "OFF"}, {Vox::Voice, "VOICE"}, {Vox::Data, "DATA"}}};
constexpr std::array<Row<RemoteIndicator>, 4> kRemoteIndicators{
    {{RemoteIndicator::NoComm, "NoComm"},
     {RemoteIndicator::Blank, ""},
     {RemoteIndicator::Remote, "REMOTE"},
     {RemoteIndicator::Local, "LOCAL"}}};
constexpr std::array<Row<BandIndicator>, 3> kBandIndicators{
    {{BandIndicator::InBand, ""},
     {BandIndicator::OutOfBand, "Out Of Band"},
     {BandIndicator::Scanning, "Scanning"}}};
// A command on its way shows an arrow in the direction it goes.
constexpr const char* kPendingUp = " >> ";
constexpr const char* kPendingDown = " << ";
constexpr std::array<Row<AmpPower>, 5> kAmpPowers{{{AmpPower::Blank, ""},
                                                   {AmpPower::Off, "OFF"},
                                                   {AmpPower::On, "ON"},
                                                   {AmpPower::PendingUp, kPendingUp},
                                                   {AmpPower::PendingDown, kPendingDown}}};
constexpr std::array<Row<AmpOperate>, 6> kAmpOperates{{{AmpOperate::Blank, ""},
                                                       {AmpOperate::Warmup, "Warmup"},
                                                       {AmpOperate::Standby, "Standby"},
                                                       {AmpOperate::Operate, "Operate"},
                                                       {AmpOperate::PendingUp, kPendingUp},
                                                       {AmpOperate::PendingDown, kPendingDown}}};
constexpr std::array<Row<AmpTune>, 5> kAmpTunes{{{AmpTune::Blank, ""},
                                                 {AmpTune::StartTune, "Start Tune"},
                                                 {AmpTune::Tuning, "Tuning"},
                                                 {AmpTune::Tuned, "Tuned"},
                                                 {AmpTune::PendingUp, kPendingUp}}};
constexpr std::array<Row<BfoSign>, 3> kBfoSigns{
    {{BfoSign::Blank, ""}, {BfoSign::Plus, "+"}, {BfoSign::Minus, "-"}}};

template <typename Enum, std::size_t N>
QString captionIn(const std::array<Row<Enum>, N>& table, Enum value) {
    for (const auto& [entry, text] : table) {
        if (entry == value) {
            return QString::fromLatin1(text);
        }
    }
    return QString();
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueIn(const std::array<Row<Enum>, N>& table, const QString& text) {
    for (const auto& [entry, caption] : table) {
        if (text == QLatin1String(caption)) {
            return entry;
        }
    }
    return std::nullopt;
}

// The list items are the rows after a blank first row.
template <typename Enum, std::size_t N>
constexpr std::size_t firstItem(const std::array<Row<Enum>, N>& table) {
    return table[0].second[0] == '\0' ? 1 : 0;
}

template <typename Enum, std::size_t N>
QStringList itemsOf(const std::array<Row<Enum>, N>& table) {
    QStringList items;
    for (std::size_t i = firstItem(table); i < N; ++i) {
        items << QString::fromLatin1(table[i].second);
    }
    return items;
}

template <typename Enum, std::size_t N>
Enum itemOf(const std::array<Row<Enum>, N>& table, int index) {
    const std::size_t row = firstItem(table) + static_cast<std::size_t>(index);
    return index >= 0 && row < N ? table[row].first : table[0].first;
}

template <typename Enum, std::size_t N>
int indexIn(const std::array<Row<Enum>, N>& table, Enum value) {
    for (std::size_t i = firstItem(table); i < N; ++i) {
        if (table[i].first == value) {
            return static_cast<int>(i - firstItem(table));
        }
    }
    return -1;
}

}  // namespace

QString caption(Mode mode) {
    return captionIn(kModes, mode);
}
QString caption(Agc agc) {
    return captionIn(kAgcs, agc);
}
QString caption(Source source) {
    return captionIn(kSources, source);
}
QString caption(DigitalMode mode) {
    return captionIn(kDigitalModes, mode);
}
QString caption(StepSize step) {
    return captionIn(kStepSizes, step);
}
QString caption(Split split) {
    return captionIn(kSplits, split);
}
QString caption(OnOff state) {
    return captionIn(kOnOffs, state);
}
QString caption(Vox vox) {
    return captionIn(kVoxes, vox);
}
QString caption(RemoteIndicator indicator) {
    return captionIn(kRemoteIndicators, indicator);
}
QString caption(BandIndicator indicator) {
    return captionIn(kBandIndicators, indicator);
}
QString caption(AmpPower power) {
    return captionIn(kAmpPowers, power);
}
QString caption(AmpOperate operate) {
    return captionIn(kAmpOperates, operate);
}
QString caption(AmpTune tune) {
    return captionIn(kAmpTunes, tune);
}
QString caption(BfoSign sign) {
    return captionIn(kBfoSigns, sign);
}

template <>
std::optional<Mode> fromCaption<Mode>(const QString& text) {
    return valueIn(kModes, text);
}
template <>
std::optional<Agc> fromCaption<Agc>(const QString& text) {
    return valueIn(kAgcs, text);
}
template <>
std::optional<Source> fromCaption<Source>(const QString& text) {
    return valueIn(kSources, text);
}
template <>
std::optional<DigitalMode> fromCaption<DigitalMode>(const QString& text) {
    return valueIn(kDigitalModes, text);
}
template <>
std::optional<StepSize> fromCaption<StepSize>(const QString& text) {
    return valueIn(kStepSizes, text);
}
template <>
std::optional<Split> fromCaption<Split>(const QString& text) {
    return valueIn(kSplits, text);
}

QStringList modeItems() {
    return itemsOf(kModes);
}
QStringList agcItems() {
    return itemsOf(kAgcs);
}
QStringList sourceItems() {
    return itemsOf(kSources);
}
QStringList digitalModeItems() {
    return itemsOf(kDigitalModes);
}
QStringList stepSizeItems() {
    return itemsOf(kStepSizes);
}
Mode modeItem(int index) {
    return itemOf(kModes, index);
}
Agc agcItem(int index) {
    return itemOf(kAgcs, index);
}
Source sourceItem(int index) {
    return itemOf(kSources, index);
}
DigitalMode digitalModeItem(int index) {
    return itemOf(kDigitalModes, index);
}
StepSize stepSizeItem(int index) {
    return itemOf(kStepSizes, index);
}
int itemIndex(Mode mode) {
    return indexIn(kModes, mode);
}
int itemIndex(Agc agc) {
    return indexIn(kAgcs, agc);
}
int itemIndex(Source source) {
    return indexIn(kSources, source);
}
int itemIndex(DigitalMode mode) {
    return indexIn(kDigitalModes, mode);
}
int itemIndex(StepSize step) {
    return indexIn(kStepSizes, step);
}

QString xmitCaption(bool xmitActive) {
    return xmitActive ? QStringLiteral("&XMT OFF") : QStringLiteral("&XMT ON");
}
QString tuneCaption(bool tuning) {
    return tuning ? QStringLiteral("T&UNE OFF") : QStringLiteral("T&UNE ON");
}
QString bfoButtonCaption(bool bfoOn) {
    return bfoOn ? QStringLiteral("OFF") : QStringLiteral("ON");
}
QString viewDataCaption(bool rawDataOn) {
    return rawDataOn ? QStringLiteral("Hide Data") : QStringLiteral("Show Data");
}
QString memoryButtonCaption(ChannelOperation operation) {
    // The button names the operation its next click switches to.
    return operation == ChannelOperation::Memory ? QStringLiteral("VFO") : QStringLiteral("MEM");
}
QString transmitCaption(bool transmitting) {
    return transmitting ? QStringLiteral("Transmit") : QStringLiteral("Receive");
}
Colour transmitColour(bool transmitting) {
    return transmitting ? Colour::Red : Colour::Green;
}
Colour extPttColour(ExtPtt state) {
    switch (state) {
        case ExtPtt::Ready:
            return Colour::Green;
        case ExtPtt::Active:
            return Colour::Red;
        case ExtPtt::Disabled:
            break;
    }
    return Colour::Yellow;
}

namespace {

constexpr std::array<std::pair<Colour, Rgb>, 6> kFixedColours{{
    {Colour::White, kWhite},
    {Colour::Black, kBlack},
    {Colour::Red, kRed},
    {Colour::Green, kGreen},
    {Colour::Yellow, kYellow},
    {Colour::LightGrey, kLightGrey},
}};

}  // namespace

std::optional<Rgb> fixedRgb(Colour colour) {
    for (const auto& [entry, rgb] : kFixedColours) {
        if (entry == colour) {
            return rgb;
        }
    }
    return std::nullopt;
}

Colour colourOf(Rgb rgb) {
    for (const auto& [entry, value] : kFixedColours) {
        if (value == rgb) {
            return entry;
        }
    }
    return Colour::Default;
}

}  // namespace tq::panel
