// The protocol code driving the simulated radio in virtual time: every
// stepping routine must leave the radio at the wanted setting in each
// firmware dialect, whatever setting it starts from.
#include <gtest/gtest.h>

#include "protocol/FirmwareRule.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "sim/SimulatedPort.h"
#include "support/RecordingIndicators.h"
#include "support/TestClock.h"

using tq::protocol::ControlSetUp;
using tq::sim::Firmware;
using tq::sim::Setting;

namespace {

class RadioAgainstSimulator : public ::testing::TestWithParam<Firmware> {
protected:
    explicit RadioAgainstSimulator(double startTime = 10 * 3600.0) : clock(startTime) {
        tq::sim::RadioOptions options;
        options.firmware = GetParam();
        port = std::make_unique<tq::sim::SimulatedPort>(clock, options);
        port->open();
        link = std::make_unique<tq::protocol::RadioLink>(*port, clock, shown, state);
        commands = std::make_unique<tq::protocol::RadioCommands>(*link);
    }

    /// Start-up's status query, repeated until a whole dump has arrived.
    bool queryUntilComplete(int attempts = 5) {
        for (int i = 0; i < attempts && !state.StatusComplete; ++i) {
            link->SendRadioCommand(QStringLiteral("?"), true, 0.6);
            link->AwaitRadioReply();
        }
        return state.StatusComplete;
    }

    void startUp() {
        ASSERT_TRUE(queryUntilComplete());
        tq::protocol::applyFirmwareRule(state, shown, ControlSetUp::Remote);
    }

    int radio(Setting setting) { return port->radio().settings().get(setting); }

    tq::test::TestClock clock;
    tq::test::RecordingIndicators shown;
    tq::protocol::RadioState state;
    std::unique_ptr<tq::sim::SimulatedPort> port;
    std::unique_ptr<tq::protocol::RadioLink> link;
    std::unique_ptr<tq::protocol::RadioCommands> commands;
};

TEST_P(RadioAgainstSimulator, StatusDumpIdentifiesTheFirmware) {
    startUp();
    EXPECT_EQ(static_cast<int>(state.FirmwareType), static_cast<int>(GetParam()));
    EXPECT_EQ(state.RemoteReply, "R1");
    EXPECT_TRUE(state.FreqReplyValid);
    EXPECT_EQ(shown.comStat, "Com OK");
}

TEST_P(RadioAgainstSimulator, SelectModeReachesEveryModeFromEveryMode) {
    startUp();
    const QString pttBefore = state.PttEnReply;
    for (int from = 1; from <= 4; ++from) {
        for (int to = 1; to <= 4; ++to) {
            commands->SelectMode(QStringLiteral("M%1").arg(from));
            commands->SelectMode(QStringLiteral("M%1").arg(to));
            EXPECT_EQ(radio(Setting::Mode), to) << from << "->" << to;
            EXPECT_EQ(state.ModeReply, QStringLiteral("M%1").arg(to));
        }
    }
    // The oldest firmware flips PTT enable with the mode; it must be back.
    EXPECT_EQ(state.PttEnReply, pttBefore);
    EXPECT_EQ(radio(Setting::PttEnable), pttBefore.mid(1).toInt());
    // The frequency survives the direct sets that re-send it.
    EXPECT_EQ(radio(Setting::Frequency), 1420000);
}

TEST_P(RadioAgainstSimulator, StepModeOnceMovesOneStepRoundTheCycle) {
    startUp();
    for (int step = 0; step < 5; ++step) {
        const int before = radio(Setting::Mode);
        commands->StepModeOnce();
        EXPECT_EQ(radio(Setting::Mode), before % 4 + 1);
        EXPECT_TRUE(shown.info.isEmpty()) << shown.info.toStdString();
    }
}

TEST_P(RadioAgainstSimulator, SyncCharactersKeyAndUnkeyTheTransmitter) {
    startUp();
    link->gSendSync(tq::protocol::SyncCharacter::U);
    link->gSendSync(tq::protocol::SyncCharacter::K);
    link->AwaitRadioReply();
    EXPECT_TRUE(port->radio().settings().keyed());
    EXPECT_TRUE(state.RadioKeyed);
    link->gSendSync(tq::protocol::SyncCharacter::U);
    link->AwaitRadioReply();
    EXPECT_FALSE(port->radio().settings().keyed());
    EXPECT_FALSE(state.RadioKeyed);
}

INSTANTIATE_TEST_SUITE_P(EachFirmware, RadioAgainstSimulator,
                         ::testing::Values(Firmware::V601, Firmware::V604Adapt,
                                           Firmware::V604NonAdapt),
                         [](const auto& info) {
                             return "Firmware" + std::to_string(static_cast<int>(info.param));
                         });

// Faults of the line: the link must neither crash nor believe a damaged dump.
class RadioWithFaults : public RadioAgainstSimulator {};

TEST_P(RadioWithFaults, SilentRadioNeverCompletesAStatus) {
    tq::sim::FaultOptions faults;
    faults.silent = true;
    port->radio().setFaults(faults);
    EXPECT_FALSE(queryUntilComplete(3));
    EXPECT_EQ(shown.comStat, "No Com");
    EXPECT_FALSE(link->RxGotReply);
}

TEST_P(RadioWithFaults, NoisyLineStillEndsInACompleteStatus) {
    tq::sim::FaultOptions faults;
    faults.parityNoise = 0.02;
    faults.dropRate = 0.3;
    faults.seed = 7;
    port->radio().setFaults(faults);
    EXPECT_TRUE(queryUntilComplete(40));
}

TEST_P(RadioWithFaults, UnansweredSyncCountsUp) {
    startUp();
    tq::sim::FaultOptions faults;
    faults.noSyncAnswer = true;
    port->radio().setFaults(faults);
    state.SyncReplied = false;
    for (int i = 0; i < 6; ++i) {
        clock.advance(2.1);
        link->gSendSync(tq::protocol::SyncCharacter::U);
        link->AwaitRadioReply();
    }
    // The first call only starts the keep-alive's clock.
    EXPECT_EQ(link->SyncCount, 5);
    EXPECT_FALSE(state.SyncReplied);
}

INSTANTIATE_TEST_SUITE_P(Dialect3, RadioWithFaults, ::testing::Values(Firmware::V604NonAdapt));

}  // namespace
