// The texts and codes every view and the radio link share: captions and list
// items of the panel's values, and the radio's reply codes for them.
#include <gtest/gtest.h>

#include <initializer_list>

#include "link/QStringPrinter.h"
#include "panel/PanelCaptions.h"
#include "panel/PanelField.h"
#include "panel/ReplyCodes.h"
#include "panel/SliderReadouts.h"

namespace tq::panel {
namespace {

template <typename Enum>
using Rows = std::initializer_list<std::pair<Enum, const char*>>;

/// Captions, and for the lists and labels a view reads back, the value of
/// each caption.
template <typename Enum, bool kReadBack = false>
void expectCaptions(Rows<Enum> rows) {
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(caption(value), QLatin1String(text)) << static_cast<int>(value);
        if constexpr (kReadBack) {
            EXPECT_EQ(fromCaption<Enum>(QLatin1String(text)), value) << text;
        }
    }
}

/// A drop-down list's items top to bottom; an index outside gives the
/// value of no item.
template <typename Enum>
void expectItems(const QStringList& items, Enum (*item)(int), const QStringList& expected) {
    EXPECT_EQ(items, expected);
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(caption(item(i)), items[i]);
        EXPECT_EQ(itemIndex(item(i)), i) << items[i].toStdString();
    }
    EXPECT_EQ(item(-1), item(static_cast<int>(items.size())));
    EXPECT_EQ(itemIndex(item(-1)), itemIndex(Enum{}));
}

/// Reply codes, and for what the panel also sends, the code of each value.
template <typename Enum>
void expectCodes(Rows<Enum> rows, std::optional<Enum> (*ofReply)(const QString&)) {
    for (const auto& [value, code] : rows) {
        EXPECT_EQ(ofReply(QLatin1String(code)), value) << code;
        if constexpr (requires { replyOf(value); }) {
            EXPECT_EQ(replyOf(value), QLatin1String(code)) << code;
        }
    }
    for (const char* unknown : {"", "X1", "M1 ", "5", "A5", "H0", "R2", "V3", "(2", "'2"}) {
        EXPECT_EQ(ofReply(QLatin1String(unknown)), std::nullopt) << unknown;
    }
}

TEST(PanelTexts, EveryValueHasItsCaptionItemAndReplyCodeBothWays) {
    expectCaptions<Mode, true>({{Mode::Blank, ""},
                                {Mode::Usb, "USB"},
                                {Mode::Lsb, "LSB"},
                                {Mode::Ame, "AME"},
                                {Mode::Cw, "CW"}});
    expectCaptions<Agc, true>(
        {{Agc::Slow, "SLOW"}, {Agc::Med, "MED"}, {Agc::Fast, "FAST"}, {Agc::Off, "OFF"}});
    expectCaptions<Source, true>({{Source::Mic, "MIC"},
                                  {Source::Audio2, "AUDIO2"},
                                  {Source::Patch, "PATCH"},
                                  {Source::Remote, "REMOTE"},
                                  {Source::OffCw, "OFF/CW"}});
    expectCaptions<DigitalMode, true>({{DigitalMode::Off, "OFF"},
                                       {DigitalMode::Psk, "PSK"},
                                       {DigitalMode::Fsk, "FSK"},
                                       {DigitalMode::Rtty, "RTTY"}});
    expectCaptions<StepSize, true>({{StepSize::Hz10, "10Hz"},
                                    {StepSize::Hz100, "100Hz"},
                                    {StepSize::KHz1, "1KHz"},
                                    {StepSize::KHz10, "10KHz"},
                                    {StepSize::Off, "OFF"}});
    expectCaptions<Split, true>({{Split::Off, "Split Off"}, {Split::On, "Split On"}});
    EXPECT_EQ(fromCaption<Mode>(QStringLiteral("usb")), std::nullopt);
    expectCaptions<OnOff>({{OnOff::Blank, ""}, {OnOff::Off, "OFF"}, {OnOff::On, "ON"}});
    expectCaptions<Vox>({{Vox::Off, "OFF"}, {Vox::Voice, "VOICE"}, {Vox::Data, "DATA"}});
    expectCaptions<RemoteIndicator>({{RemoteIndicator::NoComm, "NoComm"},
                                     {RemoteIndicator::Remote, "REMOTE"},
                                     {RemoteIndicator::Local, "LOCAL"}});
    expectCaptions<BandIndicator>({{BandIndicator::InBand, ""},
                                   {BandIndicator::OutOfBand, "Out Of Band"},
                                   {BandIndicator::Scanning, "Scanning"}});
    expectCaptions<AmpPower>(
        {{AmpPower::On, "ON"}, {AmpPower::PendingUp, " >> "}, {AmpPower::PendingDown, " << "}});
    expectCaptions<AmpOperate>({{AmpOperate::Warmup, "Warmup"},
                                {AmpOperate::Standby, "Standby"},
                                {AmpOperate::Operate, "Operate"}});
    expectCaptions<AmpTune>({{AmpTune::StartTune, "Start Tune"},
                             {AmpTune::Tuning, "Tuning"},
                             {AmpTune::Tuned, "Tuned"},
                             {AmpTune::PendingUp, " >> "}});
    expectCaptions<BfoSign>({{BfoSign::Blank, ""}, {BfoSign::Plus, "+"}, {BfoSign::Minus, "-"}});

    expectItems(modeItems(), modeItem, {"USB", "LSB", "AME", "CW"});
    expectItems(agcItems(), agcItem, {"SLOW", "MED", "FAST", "OFF"});
    expectItems(sourceItems(), sourceItem, {"MIC", "AUDIO2", "PATCH", "REMOTE", "OFF/CW"});
    expectItems(digitalModeItems(), digitalModeItem, {"OFF", "PSK", "FSK", "RTTY"});
    expectItems(stepSizeItems(), stepSizeItem, {"10Hz", "100Hz", "1KHz", "10KHz", "OFF"});

    expectCodes<Mode>({{Mode::Usb, "M1"}, {Mode::Lsb, "M2"}, {Mode::Ame, "M3"}, {Mode::Cw, "M4"}},
                      modeOfReply);
    expectCodes<Agc>({{Agc::Off, "A1"}, {Agc::Slow, "A2"}, {Agc::Med, "A3"}, {Agc::Fast, "A4"}},
                     agcOfReply);
    expectCodes<Source>(
        {{Source::Mic, "H1"}, {Source::Audio2, "H2"}, {Source::Patch, "H3"}, {Source::OffCw, "H4"}},
        sourceOfReply);
    EXPECT_EQ(replyOf(Mode::Blank), std::nullopt);
    EXPECT_EQ(replyOf(Source::Remote), std::nullopt) << "remote audio is a reply of its own";
    expectCodes<RemoteIndicator>({{RemoteIndicator::Remote, "R1"}, {RemoteIndicator::Local, "R0"}},
                                 remoteOfReply);
    expectCodes<OnOff>({{OnOff::Off, "(0"}, {OnOff::On, "(1"}}, muteOfReply);
    expectCodes<OnOff>({{OnOff::Off, "I0"}, {OnOff::On, "I1"}}, clippingOfReply);
    expectCodes<OnOff>({{OnOff::Off, "'0"}, {OnOff::On, "'1"}}, pttEnableOfReply);
    expectCodes<OnOff>({{OnOff::Off, "S0"}, {OnOff::On, "S1"}}, sideToneOfReply);
    expectCodes<Vox>({{Vox::Off, "V0"}, {Vox::Voice, "V1"}, {Vox::Data, "V2"}}, voxOfReply);
    for (int digit = 1; digit <= 4; ++digit) {  // channel entries: the modes in list order
        EXPECT_EQ(modeOfChannelDigit(QString::number(digit)), modeItem(digit - 1));
    }
    EXPECT_EQ(modeOfChannelDigit(QStringLiteral("5")), std::nullopt);
}

TEST(PanelTexts, ButtonsNameTheirNextActionAndReadoutsKeepThreeDigits) {
    const std::pair<QString, const char*> texts[] = {
        {xmitCaption(false), "&XMT ON"},
        {xmitCaption(true), "&XMT OFF"},
        {tuneCaption(false), "T&UNE ON"},
        {tuneCaption(true), "T&UNE OFF"},
        {bfoButtonCaption(true), "OFF"},
        {viewDataCaption(false), "Show Data"},
        {transmitCaption(true), "Transmit"},
        {memoryButtonCaption(ChannelOperation::Memory), "VFO"},
        {bfoReadout(101), "010"},
        {bfoReadout(99), "-010"},
        {bfoReadout(0), "-1000"},
        {rfgReadout(55), "087"},
        {rfgReadout(kRfgBottom), "000"},
        {fieldName(Field::panelEnabled), "panelEnabled"}};
    for (const auto& [text, expected] : texts) {
        EXPECT_EQ(text, QLatin1String(expected));
    }
    EXPECT_EQ(transmitColour(true), Colour::Red);
    EXPECT_EQ(extPttColour(ExtPtt::Disabled), Colour::Yellow);
    EXPECT_EQ(extPttColour(ExtPtt::Ready), Colour::Green);
    EXPECT_EQ(colourOf(*fixedRgb(Colour::LightGrey)), Colour::LightGrey);
    EXPECT_EQ(fixedRgb(Colour::GreyText), std::nullopt) << "the desktop's own";
}

}  // namespace
}  // namespace tq::panel
