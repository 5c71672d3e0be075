// The whole program against the simulated radio, offscreen and in virtual
// time: start-up, the panel set-ups, the main loop and its timers.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "ProgramHarness.h"
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
    auto options = radioWith(GetParam());
    options.initial.set(Setting::RfGain, 30);  // where the last session left it
    ProgramHarness h(options);
    ASSERT_TRUE(h.runToMainLoop());
    const char* captions[] = {"", "F/W: v601", "F/W: v604 Adapt", "F/W: v604 NonAdapt"};
    EXPECT_EQ(h.ui<QLabel>("lblFWType")->text(), captions[static_cast<int>(GetParam())]);
    EXPECT_TRUE(h.program->window->isVisible());
    EXPECT_TRUE(h.ui("cmdXmit")->isEnabled() && h.ui("cmdAmpPwr")->isEnabled());
    EXPECT_FALSE(h.program->model().frequencyLock());
    EXPECT_TRUE(h.port.dtr()) << "DTR goes on at the end of the remote set-up";
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
    const QString all = h.takeWritten();
    // PATCH to MIC is one press of the source key; clipping goes off.
    // PTT enable, VOX and local audio already matched: not a single command.
    for (const auto& [command, sent] : {std::pair{"\nH\n", true},
                                        {"\nI\n", true},
                                        {"'0", false},
                                        {"\nV\n", false},
                                        {"\"0", false}})
        EXPECT_EQ(all.contains(QLatin1String(command)), sent) << command << all.toStdString();
    EXPECT_EQ(h.port.radio().settings().get(Setting::Source), 1);
    EXPECT_EQ(h.port.radio().settings().get(Setting::Clip), 0);
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

TEST(ExternalPtt, WatchedOnlyWhenTheSettingIsExactlyOneAndAKeyDownAtStartIsWarnedOf) {
    using tq::panel::kGreen, tq::panel::kYellow;
    // The setting, the key's DSR line (on: released); the label, whether a stuck key is warned of.
    for (const auto& [setting, released, colour, warned] : {std::tuple{"0", true, kYellow, false},
                                                            {" 1", true, kYellow, false},
                                                            {"", false, kYellow, false},
                                                            {"1", true, kGreen, false},
                                                            {"1", false, kYellow, true}}) {
        ProgramHarness h(radioWith(Firmware::V604Adapt));
        h.writeFile("PortSetup.txt",
                    QStringLiteral("1\r\n9600,O,7,1\r\ncomNone\r\n%1\r\n").arg(setting));
        h.port.setDsr(released);
        ASSERT_TRUE(h.runToMainLoop());
        h.runFor(1.0);  // the main loop watches the key from here on
        EXPECT_EQ(h.program->portSetup.ExtPttEnabled, QLatin1String(setting) == "1") << setting;
        EXPECT_EQ(tq::ui::backColour(h.ui<QLabel>("lblExtPTT")), QColor(colour)) << setting;
        EXPECT_EQ(h.prompts.prompts().size(), warned ? 1 : 0) << setting << released;
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

TEST(PortStep, ALostRadioPortReleasesTheTransmitterOnThePanel) {
    ProgramHarness h(radioWith(Firmware::V604NonAdapt));
    ASSERT_TRUE(h.runToMainLoop());
    h.program->panel->requests().raise(tq::panel::PanelRequest::cmdXmit);
    ASSERT_TRUE(h.runUntil([&] { return h.port.radio().settings().keyed(); }, 5.0));
    h.port.unplug();
    ASSERT_TRUE(h.runUntil([&] { return h.program->radioWatch->isWatching(); }));
    const auto& model = h.program->model();
    EXPECT_FALSE(model.xmitActive() || model.frequencyLock() || model.transmitting());
}

TEST(PortStep, FirstStartOpensThePortDialogOnTheAdaptersFound) {
    ProgramHarness h;
    QFile::remove(h.dir.filePath(QStringLiteral("PortSetup.txt")));
    h.devices.plugIn({"ttyUSB0", "/dev/tq5820-test-usb0", {}, "FT232R USB UART", "FTDI"});
    QStringList offered;
    h.clock.schedule(2.0, [&] {
        QWidget* dialog = ProgramHarness::openWindow("frmPortSetup");
        ASSERT_NE(dialog, nullptr);
        const auto* devices = dialog->findChild<QComboBox*>(QStringLiteral("cmbDevice"));
        for (int i = 0; i < devices->count(); ++i) {
            offered << devices->itemText(i);
        }
        dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    h.runFor(3.0);
    EXPECT_EQ(offered, QStringList{QStringLiteral("ttyUSB0: FT232R USB UART (FTDI)")});
}

}  // namespace
