// The whole program against the simulated radio, offscreen and in virtual
// time: start-up, the panel set-ups, the main loop and the close handler.
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
#include "support/PanelLookup.h"
#include "ui/main/WidgetColours.h"

using tq::panel::PanelRequest;
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

bool inMainLoop(ProgramHarness& h, const char* mode) {
    const auto wanted = QLatin1String(mode) == u"REMOTE" ? tq::panel::ControlMode::Remote
                                                         : tq::panel::ControlMode::Local;
    return h.program->model().controlMode() == wanted &&
           h.formLoad->stage() == tq::app::Stage::MainLoop;
}

class StartUp : public ::testing::TestWithParam<Firmware> {};

TEST_P(StartUp, RemoteRadioGetsTheWholePanelAndItsFirmwareShown) {
    ProgramHarness h(radioWith(GetParam()));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    auto& window = *h.program->window;
    const char* captions[] = {"", "F/W: v601", "F/W: v604 Adapt", "F/W: v604 NonAdapt"};
    EXPECT_EQ(tq::test::control<QLabel>(window, QStringLiteral("lblFWType"))->text(),
              captions[static_cast<int>(GetParam())]);
    EXPECT_EQ(window.windowTitle(), tq::app::AppTitle);
    EXPECT_EQ(tq::test::control<QLabel>(window, QStringLiteral("lblREMOTE"))->text(), "REMOTE");
    EXPECT_TRUE(tq::test::control<QPushButton>(window, QStringLiteral("cmdXmit"))->isEnabled());
    EXPECT_TRUE(tq::test::control<QPushButton>(window, QStringLiteral("cmdAmpPwr"))->isEnabled());
    EXPECT_FALSE(h.program->model().frequencyLock());
    EXPECT_TRUE(h.port.dtr()) << "DTR goes on at the end of the remote set-up";
    EXPECT_EQ(tq::test::control<QLabel>(window, QStringLiteral("lblSplit"))->text(), "Split Off");
    EXPECT_EQ(tq::test::control<QComboBox>(window, QStringLiteral("cmbStepSize"))->currentText(),
              "OFF");
    // Full RF gain was sent once the set-up was through.
    h.runFor(1.0);
    EXPECT_EQ(h.port.radio().settings().get(Setting::RfGain), 0);
}

TEST_P(StartUp, LocalRadioGetsAPanelThatOnlyShows) {
    ProgramHarness h(radioWith(GetParam(), false));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "LOCAL"); }));
    auto& window = *h.program->window;
    const char* captions[] = {"", "F/W: v601C", "F/W: v604M Adapt", "F/W: v604M NonAdapt"};
    EXPECT_EQ(tq::test::control<QLabel>(window, QStringLiteral("lblFWType"))->text(),
              captions[static_cast<int>(GetParam())]);
    EXPECT_FALSE(tq::test::control<QPushButton>(window, QStringLiteral("cmdXmit"))->isEnabled());
    EXPECT_FALSE(tq::test::control<QPushButton>(window, QStringLiteral("cmdMute"))->isEnabled());
    EXPECT_FALSE(tq::test::control<QSlider>(window, QStringLiteral("vscRFG"))->isEnabled());
    // Only the Adapt firmware lets the operator tune and scan in local.
    const bool adapt = GetParam() == Firmware::V604Adapt;
    EXPECT_EQ(tq::test::control<QAction>(window, QStringLiteral("mnuScanBands"))->isEnabled(),
              adapt);
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
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
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
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    h.port.radio().setRemote(false);
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "LOCAL"); }));
    EXPECT_FALSE(
        tq::test::control<QPushButton>(*h.program->window, QStringLiteral("cmdXmit"))->isEnabled());
    h.port.radio().setRemote(true);
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    EXPECT_TRUE(
        tq::test::control<QPushButton>(*h.program->window, QStringLiteral("cmdXmit"))->isEnabled());
}

TEST(LostSync, RestartsTheLinkWithoutRebuildingThePanel) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    auto& window = *h.program->window;
    tq::test::control<QSlider>(window, QStringLiteral("vscRFG"))
        ->setValue(30);  // the remote set-up would put it back to the top
    auto faults = h.port.radio().faults();
    faults.noSyncAnswer = true;
    h.port.radio().setFaults(faults);
    ASSERT_TRUE(h.runUntil([&] { return h.program->SyncLossRestart; }, 30.0));
    EXPECT_EQ(tq::test::control<QLineEdit>(window, QStringLiteral("txtInfo"))->text(),
              "No Sync Response: Restarting...");
    faults.noSyncAnswer = false;
    h.port.radio().setFaults(faults);
    ASSERT_TRUE(h.runUntil([&] { return !h.program->SyncLossRestart && inMainLoop(h, "REMOTE"); }));
    EXPECT_EQ(tq::test::control<QSlider>(window, QStringLiteral("vscRFG"))->value(), 30);
}

TEST(AmplifierTune, TimesOutTwentySecondsAfterItBeganAcrossMidnight) {
    ProgramHarness h(radioWith(Firmware::V604Adapt), 86300.0);
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    h.clock.advance(86390.0 - h.clock.now());  // 23:59:50
    auto& window = *h.program->window;
    h.program->model().ampTuneActive.set(true);
    h.program->model().ampTuneStarted.set(h.clock.now());
    const double began = h.clock.elapsedTotal();
    ASSERT_TRUE(h.runUntil([&] { return !h.program->model().ampTuneActive(); }, 40.0));
    EXPECT_EQ(tq::test::control<QLineEdit>(window, QStringLiteral("txtInfo"))->text(),
              "Timeout: Tune Cancelled");
    EXPECT_GT(h.clock.elapsedTotal() - began, 20.0);
    EXPECT_LT(h.clock.elapsedTotal() - began, 21.0);
}

TEST(ExternalPtt, StaysOffUnlessTheSettingIsExactlyOne) {
    for (const char* setting : {"0", " 1", ""}) {
        ProgramHarness h(radioWith(Firmware::V604Adapt));
        h.writeFile(QStringLiteral("PortSetup.txt"),
                    QStringLiteral("1\r\n9600,O,7,1\r\ncomNone\r\n%1\r\n").arg(setting));
        ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
        EXPECT_FALSE(h.program->portSetup.ExtPttEnabled) << setting;
        EXPECT_EQ(tq::ui::backColour(
                      tq::test::control<QLabel>(*h.program->window, QStringLiteral("lblExtPTT"))),
                  QColor(tq::panel::kYellow));
    }
}

TEST(PortStep, MissingPortWaitsForNewSettings) {
    ProgramHarness h(radioWith(Firmware::V604Adapt));
    h.writeFile(QStringLiteral("PortSetup.txt"),
                QStringLiteral("5\r\n9600,O,7,1\r\ncomNone\r\n0\r\n"));
    ASSERT_FALSE(h.runUntil([] { return false; }, 3.0));
    auto& window = *h.program->window;
    EXPECT_EQ(tq::test::control<QLineEdit>(window, QStringLiteral("txtInfo"))->text(),
              "Port is not available. Use Setup menu or Exit.");
    EXPECT_EQ(tq::test::control<QLabel>(window, QStringLiteral("lblComStat"))->text(), "No Port");
    EXPECT_FALSE(h.port.isOpen());
    // New settings applied by the port setup dialog bring the link up.
    h.program->portSetup.RadioPortNumber = QStringLiteral("1");
    h.program->flags.RadioPortChanged = true;
    EXPECT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
}

TEST(Sliders, RfGainAndBfoReadOutsAndCommands) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    auto& window = *h.program->window;
    h.takeWritten();
    tq::test::control<QSlider>(window, QStringLiteral("vscRFG"))
        ->setValue(55);  // eight steps down from full gain
    EXPECT_EQ(tq::test::control<QLineEdit>(window, QStringLiteral("txtRFG"))->text(), "087");
    h.runFor(0.5);
    EXPECT_TRUE(h.takeWritten().contains(QStringLiteral("G08\n")));

    h.program->panel->requests().raise(tq::panel::PanelRequest::cmdBFO);  // BFO on
    h.runFor(0.5);
    EXPECT_EQ(tq::test::control<QPushButton>(window, QStringLiteral("cmdBFO"))->text(), "OFF");
    EXPECT_TRUE(tq::test::control<QSlider>(window, QStringLiteral("vscBFO"))->isEnabled());
    tq::test::control<QSlider>(window, QStringLiteral("vscBFO"))->setValue(0);
    EXPECT_EQ(tq::test::control<QLineEdit>(window, QStringLiteral("txtBFO"))->text(), "-1000");
    h.runFor(0.5);
    EXPECT_EQ(tq::test::control<QLabel>(window, QStringLiteral("lblPorM"))->text(), "-");
    EXPECT_TRUE(h.takeWritten().contains(QStringLiteral("B000\n")));
    EXPECT_EQ(h.port.radio().settings().get(Setting::Bfo), 0);
}

TEST(DigitalModes, SaveTheAudioSettingsAndRestoreThemAtOff) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
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

TEST(CloseHandler, RemembersTheWindowAndLeavesTheRadioAtFullGain) {
    ProgramHarness h(radioWith(Firmware::V604Adapt));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    h.takeWritten();
    tq::test::control<QAction>(*h.program->window, QStringLiteral("mnuFileExit"))->trigger();
    EXPECT_TRUE(h.programEnded);
    EXPECT_TRUE(h.takeWritten().startsWith(QStringLiteral("G00\n")));
    EXPECT_FALSE(h.port.isOpen());
    const QStringList lines =
        h.readFile(QStringLiteral("TQ5820ini.txt")).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[4], "Split Off");
    EXPECT_EQ(lines[5], "OFF");
}

TEST(IniFile, TwoLineFileIsRepairedAtTheMainLoopSetUp) {
    ProgramHarness h(radioWith(Firmware::V604Adapt));
    h.writeFile(QStringLiteral("TQ5820ini.txt"), QStringLiteral(" 1500 \r\n-300 \r\n"));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    auto& window = *h.program->window;
    EXPECT_EQ(window.x(), 100);
    EXPECT_LT(window.y(), 0) << "the window system may nudge a window partly off screen back";
    EXPECT_EQ(tq::test::control<QLabel>(window, QStringLiteral("lblSplit"))->text(), "Split Off");
    EXPECT_EQ(tq::test::control<QComboBox>(window, QStringLiteral("cmbStepSize"))->currentText(),
              "OFF");
}

TEST(FrontPanel, DigitClickTunesTheRadioThroughTheWholeProgram) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h, "REMOTE"); }));
    auto& window = *h.program->window;
    // The 100 kHz digit, clicked between the main loop's operations (a
    // click inside a served operation's pause is refused).
    std::function<void()> clickWhenIdle = [&] {
        if (h.program->operationRunning) {
            h.clock.schedule(0.01, clickWhenIdle);
            return;
        }
        // The press handler runs until the release, so the release is due first.
        h.clock.schedule(0.05, [&] {
            QTest::mouseRelease(tq::test::control<QPushButton>(window, QStringLiteral("cmdF_2")),
                                Qt::LeftButton);
        });
        QTest::mousePress(tq::test::control<QPushButton>(window, QStringLiteral("cmdF_2")),
                          Qt::LeftButton);
    };
    h.clock.schedule(0.5, clickWhenIdle);
    h.runFor(3.0);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Frequency), 1430000);
    EXPECT_EQ(tq::test::control<QPushButton>(window, QStringLiteral("cmdF_2"))->text(), "3");
}

}  // namespace
