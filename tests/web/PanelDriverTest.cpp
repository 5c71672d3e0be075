// The pages' commands reach the panel with the window's checks; a held
// control has one holder and is let go when its page goes silent.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "support/CoreApplication.h"
#include "support/RecordingPanelActions.h"
#include "support/TestClock.h"
#include "web/PanelDriver.h"

namespace {

using tq::panel::Control;
using tq::panel::PanelRequest;
using tq::panel::Stepper;
using tq::web::PageCommand;
using Kind = PageCommand::Kind;

PageCommand click(PanelRequest request) {
    return {.kind = Kind::Click, .request = request, .text = {}};
}

PageCommand hold(Kind kind, Stepper stepper, int index = 0, int button = 1) {
    return {.kind = kind, .stepper = stepper, .index = index, .button = button, .text = {}};
}

/// Handles events until the panel has had `count` calls; false if they do
/// not come (the limit only keeps a broken build from hanging).
bool waitForCalls(tq::test::RecordingPanelActions& actions, int count) {
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    const auto previous = actions.onCall;
    actions.onCall = [&](const QString& line) {
        if (previous) {
            previous(line);
        }
        if (actions.calls.size() >= count) {
            loop.quit();
        }
    };
    if (actions.calls.size() < count) {
        loop.exec();
    }
    actions.onCall = previous;
    return actions.calls.size() >= count;
}

class PanelDriverTest : public ::testing::Test {
protected:
    void SetUp() override { tq::test::ensureCoreApplication(); }

    tq::test::TestClock clock;
    tq::web::WebTime time{clock};
    tq::panel::PanelModel model;
    tq::test::RecordingPanelActions actions;
    tq::web::PanelDriver driver{model, actions, time};
};

TEST_F(PanelDriverTest, WhatTheWindowCouldNotClickThePageCannotEither) {
    model.setEnabled(Control::cmdXmit, false);
    model.setVisible(Control::cmdAmpPwr, false);
    EXPECT_TRUE(driver.run(1, click(PanelRequest::cmdXmit)));
    EXPECT_TRUE(driver.run(1, click(PanelRequest::cmdAmpPwr)));
    EXPECT_TRUE(driver.run(1, {.kind = Kind::Bfo, .text = {}, .value = 120}))
        << "the BFO slider is off until the BFO is on";
    model.setEnabled(Control::cmdPTT, false);
    EXPECT_TRUE(driver.run(1, hold(Kind::Press, Stepper::Ptt)));
    model.panelEnabled.set(false);
    EXPECT_TRUE(driver.run(1, click(PanelRequest::cmd40M))) << "a secondary window is open";
    EXPECT_FALSE(driver.run(1, hold(Kind::Release, Stepper::Ptt))) << "letting go always works";
    EXPECT_TRUE(actions.calls.isEmpty()) << actions.calls.join(", ").toStdString();
    model.panelEnabled.set(true);
    EXPECT_FALSE(driver.run(1, {.kind = Kind::RfGain, .text = {}, .value = 40}));
    EXPECT_FALSE(driver.run(1, click(PanelRequest::cmdA2B)));
    EXPECT_EQ(actions.calls, QStringList({"rfGain 40", "click 35"}));

    // Each box, the meter and the BFO reach the panel as the window's own would.
    using tq::web::ChoiceBox;
    model.setEnabled(Control::vscBFO, true);
    actions.calls.clear();
    for (const auto& [box, text] : {std::pair{ChoiceBox::Mode, "LSB"},
                                    {ChoiceBox::Agc, "SLOW"},
                                    {ChoiceBox::Source, "OFF/CW"},
                                    {ChoiceBox::DigitalMode, "PSK"},
                                    {ChoiceBox::StepSize, "1KHz"},
                                    {ChoiceBox::VfoBMode, "CW"}}) {
        EXPECT_FALSE(driver.run(1, {.kind = Kind::Choose, .box = box, .text = text, .value = 0}));
    }
    EXPECT_FALSE(driver.run(1, {.kind = Kind::Meter, .text = {}, .value = 5}));
    EXPECT_FALSE(driver.run(1, {.kind = Kind::Bfo, .text = {}, .value = 120}));
    EXPECT_EQ(actions.calls,
              QStringList({"mode LSB", "agc SLOW", "source OFF/CW", "digitalMode PSK",
                           "stepSize 1KHz", "vfoBMode CW", "meter 5", "bfo 120"}));
}

TEST_F(PanelDriverTest, ASilentPageLosesItsHoldAfterOneSecondAsIfReleased) {
    actions.holdUntilRelease = true;
    // Page 1 holds PTT and keeps its heartbeat; page 2 holds a digit and goes
    // quiet. Runs inside both press loops, as the program's timer would.
    const auto silence = [&] {
        for (int tick = 0; tick < 4; ++tick) {
            clock.advance(0.25);
            driver.run(1, PageCommand{});  // heartbeat
            driver.check();
        }
        EXPECT_EQ(driver.holds().holder(Stepper::Ptt), 1u) << "heartbeats keep the hold";
        EXPECT_FALSE(driver.holds().holder(Stepper::VfoA)) << "silent for 1 s";
        clock.advance(0.95);
        driver.check();
        EXPECT_EQ(driver.holds().holder(Stepper::Ptt), 1u);
        clock.advance(0.1);
        driver.check();
        EXPECT_FALSE(driver.holds().holder(Stepper::Ptt));
    };
    actions.onCall = [&](const QString& line) {
        if (line == "press ptt 0 1") {
            EXPECT_FALSE(driver.run(2, hold(Kind::Press, Stepper::VfoA, 6, 1)));
        } else if (line == "press vfoA 6 1") {
            QTimer::singleShot(1, silence);
        }
    };
    EXPECT_FALSE(driver.run(1, hold(Kind::Press, Stepper::Ptt)));
    ASSERT_TRUE(waitForCalls(actions, 6));
    EXPECT_EQ(actions.calls,
              QStringList({"press ptt 0 1", "press vfoA 6 1", "release vfoA 6 1", "release ptt 0 1",
                           "press ended vfoA", "press ended ptt"}));
}

}  // namespace
