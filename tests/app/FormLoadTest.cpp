// The whole program against the simulated radio, offscreen and in virtual
// time: start-up, the panel set-ups, the main loop and its timers.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "ProgramHarness.h"
#include "app/AppTitle.h"
#include "panel/PanelColours.h"
#include "sim/RadioSettings.h"
#include "ui/main/WidgetColours.h"

using tq::panel::ControlMode;
using tq::sim::Firmware;
using tq::sim::Setting;
using tq::test::ProgramHarness;

namespace {

tq::sim::RadioOptions radioWith(Firmware firmware, bool remote = true) {
    tq::sim::RadioOptions options;
    options.firmware = firmware;
    options.remote = remote;
    return options;
}

class StartUp : public ::testing::TestWithParam<Firmware> {};

TEST_P(StartUp, RemoteRadioGetsTheWholePanelAndItsFirmwareShown) {
    ProgramHarness h(radioWith(GetParam()));
    ASSERT_TRUE(h.runToMainLoop());
    const char* captions[] = {"", "F/W: v601", "F/W: v604 Adapt", "F/W: v604 NonAdapt"};
    EXPECT_EQ(h.ui<QLabel>("lblFWType")->text(), captions[static_cast<int>(GetParam())]);
    EXPECT_EQ(h.program->window->windowTitle(), tq::app::AppTitle);
    EXPECT_EQ(h.ui<QLabel>("lblREMOTE")->text(), "REMOTE");
    EXPECT_TRUE(h.ui("cmdXmit")->isEnabled());
    EXPECT_TRUE(h.ui("cmdAmpPwr")->isEnabled());
    EXPECT_FALSE(h.program->model().frequencyLock());
    EXPECT_TRUE(h.port.dtr()) << "DTR goes on at the end of the remote set-up";
    EXPECT_EQ(h.ui<QLabel>("lblSplit")->text(), "Split Off");
    EXPECT_EQ(h.ui<QComboBox>("cmbStepSize")->currentText(), "OFF");
    // Full RF gain was sent once the set-up was through.
    h.runFor(1.0);
    EXPECT_EQ(h.port.radio().settings().get(Setting::RfGain), 0);
}

TEST_P(StartUp, LocalRadioGetsAPanelThatOnlyShows) {
    ProgramHarness h(radioWith(GetParam(), false));
    ASSERT_TRUE(h.runToMainLoop(ControlMode::Local));
    const char* captions[] = {"", "F/W: v601C", "F/W: v604M Adapt", "F/W: v604M NonAdapt"};
    EXPECT_EQ(h.ui<QLabel>("lblFWType")->text(), captions[static_cast<int>(GetParam())]);
    for (const char* name : {"cmdXmit", "cmdMute", "vscRFG"}) {
        EXPECT_FALSE(h.ui(name)->isEnabled()) << name;
    }
    // Only the Adapt firmware lets the operator tune and scan in local.
    const bool adapt = GetParam() == Firmware::V604Adapt;
    EXPECT_EQ(h.ui<QAction>("mnuScanBands")->isEnabled(), adapt);
    EXPECT_EQ(h.program->model().frequencyLock(), !adapt);
}

INSTANTIATE_TEST_SUITE_P(EachFirmware, StartUp,
                         ::testing::Values(Firmware::V601, Firmware::V604Adapt,
                                           Firmware::V604NonAdapt));

TEST(AudioRestore, SendsOnlyWhatDiffersFromTheSavedSettings) {
    auto options = radioWith(Firmware::V604NonAdapt);
    options.initial.set(Setting::Source, 3);
    options.initial.set(Setting::Clip, 1);
    ProgramHarness h(options);
    ASSERT_TRUE(h.runToMainLoop());
    const QString sent = h.takeWritten();
    // PATCH to MIC is one press of the source key; clipping goes off.
    for (const char* key : {"\nH\n", "\nI\n"})
        EXPECT_TRUE(sent.contains(QLatin1String(key))) << key << sent.toStdString();
    // PTT enable, VOX and local audio already matched: not a single command.
    for (const char* command : {"'0", "\nV\n", "\"0"})
        EXPECT_FALSE(sent.contains(QLatin1String(command))) << command << sent.toStdString();
    EXPECT_EQ(h.port.radio().settings().get(Setting::Source), 1);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Clip), 0);
}

TEST(ControlSwitch, LocalAndBackRearrangeThePanel) {
    ProgramHarness h(radioWith(Firmware::V604Adapt));
    ASSERT_TRUE(h.runToMainLoop());
    h.port.radio().setRemote(false);
    ASSERT_TRUE(h.runToMainLoop(ControlMode::Local));
    EXPECT_FALSE(h.ui("cmdXmit")->isEnabled());
    h.port.radio().setRemote(true);
    ASSERT_TRUE(h.runToMainLoop());
    EXPECT_TRUE(h.ui("cmdXmit")->isEnabled());
}

TEST(LostSync, RestartsTheLinkWithoutRebuildingThePanel) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runToMainLoop());
    h.ui<QSlider>("vscRFG")->setValue(30);  // the remote set-up would put it back to the top
    auto faults = h.port.radio().faults();
    faults.noSyncAnswer = true;
    h.port.radio().setFaults(faults);
    ASSERT_TRUE(h.runUntil([&] { return h.program->SyncLossRestart; }, 30.0));
    EXPECT_EQ(h.ui<QLineEdit>("txtInfo")->text(), "No Sync Response: Restarting...");
    faults.noSyncAnswer = false;
    h.port.radio().setFaults(faults);
    ASSERT_TRUE(h.runUntil([&] {
        return !h.program->SyncLossRestart && h.formLoad->stage() == tq::app::Stage::MainLoop;
    }));
    EXPECT_EQ(h.ui<QSlider>("vscRFG")->value(), 30);
}

TEST(AmplifierTune, TimesOutTwentySecondsAfterItBeganAcrossMidnight) {
    ProgramHarness h(radioWith(Firmware::V604Adapt), 86300.0);
    ASSERT_TRUE(h.runToMainLoop());
    h.clock.advance(86390.0 - h.clock.now());  // 23:59:50
    h.program->model().ampTuneActive.set(true);
    h.program->model().ampTuneStarted.set(h.clock.now());
    const double began = h.clock.elapsedTotal();
    ASSERT_TRUE(h.runUntil([&] { return !h.program->model().ampTuneActive(); }, 40.0));
    EXPECT_EQ(h.ui<QLineEdit>("txtInfo")->text(), "Timeout: Tune Cancelled");
    EXPECT_GT(h.clock.elapsedTotal() - began, 20.0);
    EXPECT_LT(h.clock.elapsedTotal() - began, 21.0);
}

TEST(ExternalPtt, StaysOffUnlessTheSettingIsExactlyOne) {
    for (const char* setting : {"0", " 1", ""}) {
        ProgramHarness h(radioWith(Firmware::V604Adapt));
        h.writeFile("PortSetup.txt",
                    QStringLiteral("1\r\n9600,O,7,1\r\ncomNone\r\n%1\r\n").arg(setting));
        ASSERT_TRUE(h.runToMainLoop());
        EXPECT_FALSE(h.program->portSetup.ExtPttEnabled) << setting;
        EXPECT_EQ(tq::ui::backColour(h.ui<QLabel>("lblExtPTT")), QColor(tq::panel::kYellow));
    }
}

TEST(PortStep, MissingPortWaitsForNewSettings) {
    ProgramHarness h(radioWith(Firmware::V604Adapt));
    h.writeFile("PortSetup.txt", "5\r\n9600,O,7,1\r\ncomNone\r\n0\r\n");
    ASSERT_FALSE(h.runUntil([] { return false; }, 3.0));
    EXPECT_EQ(h.ui<QLineEdit>("txtInfo")->text(), "Port is not available. Use Setup menu or Exit.");
    EXPECT_EQ(h.ui<QLabel>("lblComStat")->text(), "No Port");
    EXPECT_FALSE(h.port.isOpen());
    // New settings applied by the port setup dialog bring the link up.
    h.program->portSetup.RadioPortNumber = QStringLiteral("1");
    h.program->flags.RadioPortChanged = true;
    EXPECT_TRUE(h.runToMainLoop());
}

TEST(Sliders, RfGainAndBfoReadOutsAndCommandsAndRefreshAsksForTheStatus) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runToMainLoop());
    h.takeWritten();
    h.ui<QSlider>("vscRFG")->setValue(55);  // eight steps down from full gain
    EXPECT_EQ(h.ui<QLineEdit>("txtRFG")->text(), "087");
    h.runFor(0.5);
    EXPECT_TRUE(h.takeWritten().contains(QStringLiteral("G08\n")));

    h.program->panel->requests().raise(tq::panel::PanelRequest::cmdBFO);  // BFO on
    h.runFor(0.5);
    EXPECT_EQ(h.ui<QPushButton>("cmdBFO")->text(), "OFF");
    EXPECT_TRUE(h.ui("vscBFO")->isEnabled());
    h.ui<QSlider>("vscBFO")->setValue(0);
    EXPECT_EQ(h.ui<QLineEdit>("txtBFO")->text(), "-1000");
    h.runFor(0.5);
    EXPECT_EQ(h.ui<QLabel>("lblPorM")->text(), "-");
    EXPECT_TRUE(h.takeWritten().contains(QStringLiteral("B000\n")));
    EXPECT_EQ(h.port.radio().settings().get(Setting::Bfo), 0);

    h.program->panel->requests().raise(tq::panel::PanelRequest::cmdGetStatus);  // Refresh
    h.runFor(0.5);
    EXPECT_TRUE(h.takeWritten().contains(QStringLiteral("?\n")));
    EXPECT_FALSE(h.program->panel->requests().isRaised(tq::panel::PanelRequest::cmdGetStatus));
}

TEST(DigitalModes, SaveTheAudioSettingsAndRestoreThemAtOff) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runToMainLoop());
    const auto& radio = h.port.radio().settings();
    for (const auto mode : {tq::panel::DigitalMode::Psk, tq::panel::DigitalMode::Rtty}) {
        h.program->panel->chooseDigitalMode(mode);
        h.runFor(3.0);
        EXPECT_EQ(radio.get(Setting::Source), 3) << "the digital-mode source";
        EXPECT_EQ(radio.get(Setting::Vox), 2) << "DATA VOX";
    }
    h.program->panel->chooseDigitalMode(tq::panel::DigitalMode::Off);
    h.runFor(3.0);
    EXPECT_EQ(radio.get(Setting::Source), 1);
    EXPECT_EQ(radio.get(Setting::Vox), 0);
    EXPECT_TRUE(h.program->panel->receiver().SavedSource.isEmpty());
}

TEST(IniFile, TwoLineFileIsRepairedAtTheMainLoopSetUp) {
    ProgramHarness h(radioWith(Firmware::V604Adapt));
    h.writeFile("TQ5820ini.txt", " 1500 \r\n-300 \r\n");
    ASSERT_TRUE(h.runToMainLoop());
    EXPECT_EQ(h.program->window->x(), 100);
    EXPECT_LT(h.program->window->y(), 0) << "the window system may nudge it back on screen";
    EXPECT_EQ(h.ui<QLabel>("lblSplit")->text(), "Split Off");
    EXPECT_EQ(h.ui<QComboBox>("cmbStepSize")->currentText(), "OFF");
}

TEST(FrontPanel, DigitClickTunesTheRadioThroughTheWholeProgram) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runToMainLoop());
    auto* digit = h.ui("cmdF_2");  // 100 kHz
    h.whenIdle(0.5, [&] {
        // The press handler runs until the release, so the release is due first.
        h.clock.schedule(0.05, [&] { QTest::mouseRelease(digit, Qt::LeftButton); });
        QTest::mousePress(digit, Qt::LeftButton);
    });
    h.runFor(3.0);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Frequency), 1430000);
    EXPECT_EQ(h.ui<QPushButton>("cmdF_2")->text(), "3");
}

}  // namespace
