#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <string>

#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "sim/SimulatedPort.h"
#include "support/TestClock.h"
#include "support/WidgetApplication.h"
#include "ui/main/AmplifierControls.h"

using tq::panel::PanelRequest;
using tq::ui::AmplifierControls;

namespace {

/// The window with its amplifier controls and the simulated radio, whose
/// amplifier warms up in 5 s and asks for a tune 1 s into operate.
struct UiAmplifier : tq::test::WidgetTest {
    UiAmplifier() {
        port.open();
        window.attachLink(link, commands);
    }

    /// The operator clicks; the main loop serves the request it raised.
    void click(QPushButton* button, tq::panel::PanelRequest request,
               void (AmplifierControls::*op)()) {
        button->setEnabled(true);
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(window.requests().isRaised(request));
        (amplifier.*op)();
        EXPECT_FALSE(window.requests().isRaised(request));
    }
    void power() {
        click(window.cmdAmpPwr, tq::panel::PanelRequest::cmdAmpPwr, &AmplifierControls::ampPwrCmd);
    }
    void operate() {
        click(window.cmdAmpOpr, tq::panel::PanelRequest::cmdAmpOpr, &AmplifierControls::ampOprCmd);
    }
    void tune() {
        click(window.cmdTuneAmp, tq::panel::PanelRequest::cmdTuneAmp,
              &AmplifierControls::tuneAmpCmd);
    }

    /// Time passes in the main loop: the amplifier's reports reach the panel.
    void after(double seconds) {
        clock.advance(seconds);
        link.DrainRadioInput();
        window.gUpdateDisplay();
    }
    std::string sent() {
        std::string text = port.written().toStdString();
        port.clearWritten();
        return text;
    }

    tq::protocol::RadioState state;
    tq::protocol::ProgramFlags flags;
    tq::ui::frmTQ5820 window{state, flags};
    tq::test::TestClock clock;
    tq::sim::SimulatedPort port{clock};
    tq::protocol::RadioLink link{port, clock, window, state};
    tq::protocol::RadioCommands commands{link};
    AmplifierControls amplifier{window, link};
};

TEST_F(UiAmplifier, PowerAndOperateSwitchOnlyFromASettledState) {
    struct Step {
        void (UiAmplifier::*click)();
        QLabel* label;
        const char* before;  // what the label shows when clicked
        const char* marker;
        const char* command;
        double wait;  // until the amplifier has settled
    };
    QLabel* pwr = window.lblAmpPwr;
    QLabel* opr = window.lblAmpOpStby;
    const Step steps[] = {
        {&UiAmplifier::operate, opr, "", "", "", 0.1},  // off: nothing to switch
        {&UiAmplifier::power, pwr, "OFF", " >> ", "O2\n", 0.1},
        {&UiAmplifier::operate, opr, "Warmup", "Warmup", "", 5.0},
        {&UiAmplifier::operate, opr, "Standby", " >> ", "O4\n", 0.1},
        {&UiAmplifier::operate, opr, "Operate", " << ", "O3\n", 0.1},
        {&UiAmplifier::power, pwr, "ON", " << ", "O1\n", 0.1},
        {&UiAmplifier::power, pwr, "OFF", " >> ", "O2\n", 0.1},
    };
    for (const Step& s : steps) {
        ASSERT_EQ(s.label->text(), QLatin1String(s.before));
        (this->*s.click)();
        EXPECT_EQ(s.label->text(), QLatin1String(s.marker)) << s.before;
        EXPECT_EQ(sent(), s.command) << s.before;
        // A second click before the amplifier answers finds the marker.
        (this->*s.click)();
        EXPECT_EQ(sent(), "") << s.before;
        after(s.wait);
    }
}

TEST_F(UiAmplifier, TuneKeysTheRadioOnlyWhenAskedAndASecondClickStopsIt) {
    for (const char* shown : {"", "Not Tuned", "Tuning", "Tuned"}) {
        window.lblAmpTuned->setText(QString::fromLatin1(shown));
        tune();
        EXPECT_EQ(sent(), "") << shown;
        EXPECT_FALSE(window.AmpTuneActive) << shown;
    }
    power();
    after(5.1);
    operate();
    after(1.1);
    sent();
    ASSERT_EQ(window.lblAmpTuned->text(), "Start Tune");

    const double clicked = clock.now();
    tune();
    EXPECT_EQ(sent(), "K");
    EXPECT_EQ(window.lblAmpTuned->text(), " >> ");
    EXPECT_TRUE(window.AmpTuneActive);
    EXPECT_DOUBLE_EQ(window.AmpTuneStarted, clicked);
    EXPECT_EQ(link.SyncChar, "K");
    EXPECT_TRUE(port.radio().settings().keyed());

    after(0.5);
    ASSERT_EQ(window.lblAmpTuned->text(), "Tuning");
    tune();
    EXPECT_EQ(sent(), "U");
    EXPECT_FALSE(window.AmpTuneActive);
    EXPECT_EQ(link.SyncChar, "U");
    EXPECT_FALSE(port.radio().settings().keyed());
}

}  // namespace
