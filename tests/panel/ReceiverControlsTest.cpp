// The receiver and audio controls: what each sends, and what the simulated radio then holds.
#include <functional>

#include "panel/PanelTest.h"

namespace tq::test {
namespace {

using namespace tq::panel;
using sim::Firmware;
using sim::Setting;

using ReceiverTest = PanelTest;

TEST(Receiver, ModeAndAgcChoicesBringTheRadioThereAgcOffOnlyOnTheAdaptFirmware) {
    // The radio's mode and AGC after the choice; elsewhere AGC OFF puts the
    // box back to the radio's AGC.
    for (const auto& [firmware, mode, agc, radioMode, radioAgc, shownAgc] :
         {std::tuple{Firmware::V604Adapt, Mode::Cw, Agc::Off, 4, 1, Agc::Off},
          std::tuple{Firmware::V601, Mode::Lsb, Agc::Off, 2, 2, Agc::Slow},
          std::tuple{Firmware::V604NonAdapt, Mode::Ame, Agc::Fast, 3, 4, Agc::Fast}}) {
        PanelFixture bench(PanelFixture::radio(firmware));
        bench.panel.chooseMode(mode);
        bench.panel.chooseAgc(agc);
        servePass(bench.panel);
        bench.panel.gUpdateDisplay();
        EXPECT_EQ(bench.setting(Setting::Mode), radioMode);
        EXPECT_EQ(bench.setting(Setting::Agc), radioAgc) << static_cast<int>(firmware);
        EXPECT_EQ(bench.model().agc(), shownAgc) << static_cast<int>(firmware);
    }
}

TEST_F(ReceiverTest, SourceKeyCyclesForwardAndRemoteSwitchesTheAudioPath) {
    // Sent, then the radio's source and audio path (1 local, 0 remote).
    for (const auto& [chosen, sent, source, audio] :
         {std::tuple{Source::Patch, QStringList{"HH"}, 3, 1},
          std::tuple{Source::Mic, QStringList{"H"}, 1, 1},  // the key only goes forward
          std::tuple{Source::OffCw, QStringList{}, 1, 1},   // only ever reported
          std::tuple{Source::Remote, QStringList{"\"0"}, 1, 0},
          std::tuple{Source::Remote, QStringList{}, 1, 0},  // already: a reply is awaited
          std::tuple{Source::Audio2, QStringList{"\"1", "H"}, 2, 1}}) {  // local audio first
        panel.chooseSource(chosen);
        EXPECT_EQ(serve(), sent) << static_cast<int>(chosen);
        EXPECT_EQ(bench.setting(Setting::Source), source);
        EXPECT_EQ(bench.setting(Setting::Audio), audio);
    }
}

TEST(Receiver, AudioPathFlipsInEachDialectAndOneTheRadioNeverTakesIsGivenUp) {
    for (const auto& [firmware, sent] :
         {std::pair{Firmware::V601, "\""}, std::pair{Firmware::V604NonAdapt, "\"0"}}) {
        PanelFixture bench(PanelFixture::radio(firmware));
        bench.panel.chooseSource(Source::Remote);
        servePass(bench.panel);
        EXPECT_EQ(bench.sent(), QStringList{QLatin1String(sent)});
        EXPECT_EQ(bench.setting(Setting::Audio), 0) << sent;
        bench.panel.receiver().ToggleLocalRemote();  // as the set-up does
        EXPECT_EQ(bench.setting(Setting::Audio), 1) << sent;
    }
    sim::RadioOptions local = PanelFixture::radio(Firmware::V604Adapt);
    local.remote = false;  // a radio under local control takes nothing
    PanelFixture bench(local);
    bench.panel.chooseSource(Source::Remote);
    servePass(bench.panel);
    EXPECT_EQ(bench.sent().count("\"0"), ReceiverControls::kLocalRemoteTries);
    EXPECT_EQ(bench.model().info(), "Radio did not switch to REMOTE audio..");
}

TEST(Receiver, DigitalModesSaveTheAudioSettingsOnceAndRestoreThemAtOff) {
    sim::RadioOptions options = PanelFixture::radio(Firmware::V604Adapt);
    options.initial.set(Setting::Audio, 0);  // remote audio
    PanelFixture bench(options);             // digital source H2, DATA VOX
    for (const DigitalMode mode : {DigitalMode::Psk, DigitalMode::Rtty, DigitalMode::Off}) {
        bench.panel.chooseDigitalMode(mode);
        servePass(bench.panel);
        const bool digital = mode != DigitalMode::Off;
        EXPECT_EQ(bench.setting(Setting::Audio), digital ? 1 : 0);
        EXPECT_EQ(bench.setting(Setting::Source), digital ? 2 : 1);
        EXPECT_EQ(bench.setting(Setting::Vox), digital ? 2 : 0);
    }
}

TEST_F(ReceiverTest, SwitchesAndControlsSendTheirCodeFromWhatTheyShow) {
    using P = PanelRequest;
    const std::pair<std::function<void()>, QStringList> rows[] = {
        {[this] { panel.click(P::cmdPTTEn); }, {"'0"}},
        {[this] { panel.click(P::cmdSideTone); }, {"S"}},
        {[this] { panel.click(P::cmdClipping); }, {"I"}},
        {[this] { model.mute.set(OnOff::On), panel.click(P::cmdMute); }, {"(0"}},
        {[this] { model.mute.set(OnOff::Blank), panel.click(P::cmdMute); }, {}},
        {[this] { panel.moveRfGain(0); }, {"G63"}}};  // counting down from full gain
    for (const auto& [action, sent] : rows) {
        action();
        EXPECT_EQ(serve(), sent);
        bench.link().AwaitRadioReply();
    }
    EXPECT_EQ(model.sideTone(), OnOff::On) << "shown at once";
    for (int index : {3, 5, 0}) {
        panel.chooseMeter(index);
        serve();
        EXPECT_EQ(bench.setting(Setting::Meter), index + 1);
    }
}

TEST_F(ReceiverTest, BfoSendsItsOffsetOnlyWhileOnWithTheSignBesideIt) {
    panel.setBfoValue(120);  // as the set-up moves it: nothing sent while off
    EXPECT_TRUE(serve().isEmpty());
    EXPECT_EQ(model.bfoSign(), BfoSign::Plus);

    EXPECT_EQ(click(PanelRequest::cmdBFO), QStringList{"B120"});
    EXPECT_TRUE(model.bfoOn() && model.bfoLabel() && model.enabled(Control::vscBFO));
    for (const auto& [value, sign, sent] :
         {std::tuple{99, BfoSign::Minus, "B099"}, std::tuple{100, BfoSign::Blank, "B100"},
          std::tuple{101, BfoSign::Plus, "B101"}}) {
        panel.moveBfo(value);
        EXPECT_EQ(serve(), QStringList{QLatin1String(sent)});
        EXPECT_EQ(model.bfoSign(), sign) << sent;
    }

    EXPECT_EQ(click(PanelRequest::cmdBFO), QStringList{"B100"});
    EXPECT_FALSE(model.bfoOn() || model.bfoLabel() || model.enabled(Control::vscBFO));
}

}  // namespace
}  // namespace tq::test
