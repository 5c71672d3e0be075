#include <gtest/gtest.h>

#include "link/PortFailure.h"
#include "protocol/LinkFixture.h"

using tq::link::PortFailure;
using tq::protocol::Lamp;
using tq::test::LinkFixture;

namespace {

using SendRadioCommand = LinkFixture;

TEST_F(SendRadioCommand, AddsExactlyOneLineFeedOnlyWhenAskedTo) {
    link.SendRadioCommand(QStringLiteral("M"), true, 0);
    link.SendRadioCommand(QStringLiteral("K"), false, 0);
    EXPECT_EQ(written(), QStringList({"M\n", "K"}));
}

TEST_F(SendRadioCommand, LampIsRedWhileSendingThenIdle) {
    link.SendRadioCommand(QStringLiteral("?"), true, 0.6);
    ASSERT_GE(shown.lampHistory.size(), 2u);
    EXPECT_EQ(shown.lampHistory.front(), Lamp::Sending);
    EXPECT_EQ(shown.lamp(), Lamp::Idle);
    EXPECT_NEAR(clock.elapsedTotal(), 0.6, 1e-5);
}

TEST_F(SendRadioCommand, QueueThatNeverDrainsDropsTheCommandAndLeavesLampRed) {
    port.stuckOutgoingBytes = 5;
    link.SendRadioCommand(QStringLiteral("F1420000"), true, 0.45);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(shown.lamp(), Lamp::Sending);
    // Ten 10 ms pauses, and not the caller's pause.
    EXPECT_NEAR(clock.elapsedTotal(), 0.1, 1e-5);
}

TEST_F(SendRadioCommand, ClosedPortIsIgnoredButThePauseStillHappens) {
    port.close();
    EXPECT_NO_THROW(link.SendRadioCommand(QStringLiteral("?"), true, 0.6));
    EXPECT_NEAR(clock.elapsedTotal(), 0.6, 1e-5);
    EXPECT_EQ(shown.lamp(), Lamp::Idle);
}

using AwaitRadioReply = LinkFixture;

TEST_F(AwaitRadioReply, PiecesArrivingCloseTogetherMakeOneBatch) {
    port.arriveAfter(0.10, QStringLiteral("F14"));
    port.arriveAfter(0.15, QStringLiteral("20000\nM"));
    port.arriveAfter(0.20, QStringLiteral("1\n"));
    link.AwaitRadioReply();
    EXPECT_TRUE(link.RxGotReply);
    EXPECT_EQ(link.RxBuffer, "F1420000<M1<");
    EXPECT_EQ(state.ModeReply, "M1");
    EXPECT_EQ(shown.comStat, "Com OK");
    // The batch ends 60 ms after the last byte.
    EXPECT_NEAR(clock.elapsedTotal(), 0.26, 1e-5);
}

TEST_F(AwaitRadioReply, GapLongerThanTheQuietWindowEndsTheBatch) {
    port.arriveAfter(0.05, QStringLiteral("A2\n"));
    port.arriveAfter(0.05 + 0.061, QStringLiteral("M3\n"));
    link.AwaitRadioReply();
    EXPECT_EQ(link.RxBuffer, "A2<");
    EXPECT_FALSE(state.ModeReplyNew);
    link.AwaitRadioReply();
    EXPECT_EQ(link.RxBuffer, "M3<");
    EXPECT_EQ(state.ModeReply, "M3");
}

TEST_F(AwaitRadioReply, SilentRadioTimesOutAfterEightTenthsWithoutSpinning) {
    state.ModeReply = QStringLiteral("M2");
    link.AwaitRadioReply();
    EXPECT_FALSE(link.RxGotReply);
    EXPECT_EQ(shown.comStat, "No Com");
    EXPECT_EQ(state.ModeReply, "M2");
    EXPECT_NEAR(clock.elapsedTotal(), 0.8, 1e-5);
    EXPECT_LE(port.waitCalls, 2);
    EXPECT_EQ(shown.lampHistory.front(), Lamp::Awaiting);
    EXPECT_EQ(shown.lamp(), Lamp::Idle);
}

TEST_F(AwaitRadioReply, FirstByteJustInsideTheLimitIsTaken) {
    port.arriveAfter(0.79, QStringLiteral("U\n"));
    link.AwaitRadioReply();
    EXPECT_TRUE(link.RxGotReply);
    EXPECT_TRUE(state.SyncReplied);
}

TEST_F(AwaitRadioReply, StatusIsCompleteOnlyWhenOneBatchHoldsBothEndLines) {
    port.arriveAfter(0.01, QStringLiteral("R1\n#\n.\n"));
    link.AwaitRadioReply();
    EXPECT_TRUE(state.StatusComplete);

    port.arriveAfter(0.01, QStringLiteral("#\n"));
    link.AwaitRadioReply();
    EXPECT_FALSE(state.StatusComplete);
    port.arriveAfter(0.01, QStringLiteral(".\n"));
    link.AwaitRadioReply();
    EXPECT_FALSE(state.StatusComplete);
}

TEST_F(AwaitRadioReply, RadioThatNeverPausesCannotHoldTheProgram) {
    // A byte every 10 ms, for far longer than anyone would wait.
    for (int i = 1; i <= 10000; ++i) {
        port.arriveAfter(i * 0.01, QStringLiteral("X"));
    }
    link.AwaitRadioReply();
    EXPECT_TRUE(link.RxGotReply);
    EXPECT_LE(link.RxBuffer.size(), port.bufferOptions().receiveBufferSize);
    EXPECT_LT(clock.elapsedTotal(), 100.0);
}

TEST_F(AwaitRadioReply, ClosedPortFailureReachesTheCaller) {
    port.close();
    EXPECT_THROW(link.AwaitRadioReply(), PortFailure);
}

/// Starts 0.3 s before midnight, so every wait below runs across it.
struct AtMidnight : LinkFixture {
    AtMidnight() : LinkFixture(86399.7) {}
};

TEST_F(AtMidnight, ReplyWaitStillTimesOutAfterEightTenths) {
    link.AwaitRadioReply();
    EXPECT_FALSE(link.RxGotReply);
    EXPECT_NEAR(clock.elapsedTotal(), 0.8, 1e-5);
}

TEST_F(AtMidnight, QuietWindowAcrossMidnightEndsOnTime) {
    port.arriveAfter(0.28, QStringLiteral("A"));
    port.arriveAfter(0.31, QStringLiteral("3\n"));
    link.AwaitRadioReply();
    EXPECT_EQ(state.AgcReply, "A3");
    EXPECT_NEAR(clock.elapsedTotal(), 0.37, 1e-5);
}

using DrainRadioInput = LinkFixture;

TEST_F(DrainRadioInput, DispatchesWhatIsWaitingWithoutWaitingOrTouchingTheLamp) {
    port.arriveAfter(0, QStringLiteral("H2\n#\n"));
    state.HashSeen = false;
    link.DrainRadioInput();
    EXPECT_EQ(state.SourceReply, "H2");
    EXPECT_TRUE(shown.lampHistory.empty());
    EXPECT_TRUE(shown.comStat.isEmpty());
    EXPECT_FALSE(state.StatusComplete);
    EXPECT_DOUBLE_EQ(clock.elapsedTotal(), 0);
    link.DrainRadioInput();  // nothing waiting: nothing happens
    EXPECT_EQ(port.waitCalls, 0);
}

using SendSync = LinkFixture;

TEST_F(SendSync, RepeatGoesOutAtMostEveryTwoSecondsAndBlinksTheLabel) {
    QList<double> sentAt;
    port.onWrite = [&](const QString&) { sentAt << clock.elapsedTotal(); };
    // Called every 0.5 s; the first call only starts the clock.
    for (int call = 0; call <= 20; ++call) {
        const double callTime = call * 0.5;
        clock.advance(callTime - clock.elapsedTotal());
        link.gSendSync(tq::protocol::SyncCharacter::U);
        if (call == 6) {  // 0.5 s after the send at 2.5 s
            EXPECT_EQ(shown.syncLabel, "U");
        }
        if (call == 8) {  // 1.3 s after it
            EXPECT_TRUE(shown.syncLabel.isEmpty());
        }
    }
    const QList<double> expected{2.5, 5.0, 7.5, 10.0};
    ASSERT_EQ(sentAt.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(sentAt[i], expected[i], 1e-5);
    }
    EXPECT_EQ(link.SyncCount, 4);
    EXPECT_EQ(written(), QStringList({"U", "U", "U", "U"}));
}

TEST_F(SendSync, ChangeBetweenKeyedAndUnkeyedGoesOutAtOnce) {
    link.gSendSync(tq::protocol::SyncCharacter::U);  // starts the clock
    clock.advance(2.1);
    link.gSendSync(tq::protocol::SyncCharacter::U);
    link.gSendSync(tq::protocol::SyncCharacter::K);
    link.gSendSync(tq::protocol::SyncCharacter::U);
    link.gSendSync(tq::protocol::SyncCharacter::U);  // repeat within 2 s: held back
    EXPECT_EQ(written(), QStringList({"U", "K", "U"}));
    EXPECT_EQ(link.LastSyncChar, tq::protocol::SyncCharacter::U);
    EXPECT_EQ(shown.lamp(), Lamp::Idle);
    EXPECT_TRUE(std::find(shown.lampHistory.begin(), shown.lampHistory.end(), Lamp::Syncing) !=
                shown.lampHistory.end());
}

TEST_F(SendSync, ChangeAClosedPortCouldNotSendGoesOutOnceItIsOpen) {
    link.gSendSync(tq::protocol::SyncCharacter::U);  // starts the clock
    link.gSendSync(tq::protocol::SyncCharacter::K);
    port.close();
    link.gSendSync(tq::protocol::SyncCharacter::U);
    port.open();
    link.gSendSync(tq::protocol::SyncCharacter::U);
    EXPECT_EQ(written(), QStringList({"K", "U"})) << "the radio still holds K until it hears U";
}

TEST_F(SendSync, CharacterSentInsideAnotherOnesPauseIsTheOneTheRadioHolds) {
    link.gSendSync(tq::protocol::SyncCharacter::K);  // starts the clock
    // Push-to-talk pressed while the "U" pauses.
    clock.schedule(0.1, [this] { link.gSendSync(tq::protocol::SyncCharacter::K); });
    link.gSendSync(tq::protocol::SyncCharacter::U);
    link.gSendSync(tq::protocol::SyncCharacter::U);
    EXPECT_EQ(written(), QStringList({"U", "K", "U"}));
}

TEST_F(AtMidnight, KeepAliveCarriesOnAfterMidnight) {
    link.gSendSync(tq::protocol::SyncCharacter::U);
    for (int call = 1; call <= 12; ++call) {
        clock.advance(0.5);
        link.gSendSync(tq::protocol::SyncCharacter::U);
    }
    EXPECT_GE(link.SyncCount, 2);
}

}  // namespace
