#include <gtest/gtest.h>

#include <cstring>

#include "protocol/LinkFixture.h"

namespace tq::protocol {
namespace {

using test::LinkFixture;

using SendRadioCommand = LinkFixture;

TEST_F(SendRadioCommand, AddsOneLineFeedOnlyWhenAskedTheLampIsRedWhileSendingAndAStuckQueueDrops) {
    link.SendRadioCommand(QStringLiteral("M"), true, 0.6);
    link.SendRadioCommand(QStringLiteral("K"), false, 0);
    EXPECT_EQ(written(), QStringList({"M\n", "K"}));
    EXPECT_EQ(shown.lampHistory.front(), Lamp::Sending);
    EXPECT_EQ(shown.lamp(), Lamp::Idle);
    // A closed port is passed by, but the pause still happens.
    port.close();
    EXPECT_NO_THROW(link.SendRadioCommand(QStringLiteral("?"), true, 0.6));
    EXPECT_NEAR(clock.elapsedTotal(), 1.2, 1e-5);
    port.open();
    port.writes.clear();
    port.stuckOutgoingBytes = 5;
    link.SendRadioCommand(QStringLiteral("F1420000"), true, 0.45);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(shown.lamp(), Lamp::Sending);
    // Ten 10 ms pauses, and not the caller's pause.
    EXPECT_NEAR(clock.elapsedTotal(), 1.3, 1e-5);
}

TEST(AwaitRadioReplyTiming, PiecesCloseTogetherMakeOneBatchThatEndsAfterTheQuietWindowOrTheLimit) {
    using Arrivals = std::vector<std::pair<double, const char*>>;
    constexpr double kNoon = 12 * 3600.0, kNearMidnight = 86399.7;
    const struct {
        double start;
        Arrivals arrivals;
        const char* batch;
        double ends;  // the batch ends 60 ms after its last byte
    } rows[] = {
        {kNoon, {{0.10, "F14"}, {0.15, "20000\nM"}, {0.20, "1\n"}}, "F1420000<M1<", 0.26},
        {kNoon, {{0.05, "A2\n"}, {0.111, "M3\n"}}, "A2<", 0.11},
        {kNoon, {}, "", 0.8},
        // Every wait below runs across midnight.
        {kNearMidnight, {{0.28, "A"}, {0.31, "3\n"}}, "A3<", 0.37},
        {kNearMidnight, {}, "", 0.8},
    };
    for (const auto& row : rows) {
        test::ScriptedLink radio(row.start);
        radio.state.ModeReply = QStringLiteral("M2");
        for (const auto& [after, text] : row.arrivals) {
            radio.port.arriveAfter(after, QString::fromLatin1(text));
        }
        radio.link.AwaitRadioReply();
        const bool got = !row.arrivals.empty();
        SCOPED_TRACE(row.batch);
        EXPECT_EQ(radio.link.RxGotReply, got);
        EXPECT_EQ(radio.link.RxBuffer, QString::fromLatin1(row.batch));
        EXPECT_EQ(radio.state.ModeReply, row.ends == 0.26 ? "M1" : "M2");
        EXPECT_EQ(radio.shown.comStat, got ? "Com OK" : "No Com");
        EXPECT_NEAR(radio.clock.elapsedTotal(), row.ends, 1e-5);
        EXPECT_EQ(radio.shown.lampHistory.front(), Lamp::Awaiting);
        EXPECT_EQ(radio.shown.lamp(), Lamp::Idle);
        if (!got) {
            EXPECT_LE(radio.port.waitCalls, 2) << "slept, not spun";
        }
    }
}

using AwaitRadioReply = LinkFixture;

TEST_F(AwaitRadioReply, StatusIsCompleteOnlyWhenOneBatchHoldsBothEndLinesAndEachIsPassedOn) {
    int passedOn = 0;
    link.repliesDispatched = [&] { ++passedOn; };
    for (const auto& [batch, complete] :
         {std::pair{"R1\n#\n.\n", true}, {"#\n", false}, {".\n", false}}) {
        port.arriveAfter(0.01, QString::fromLatin1(batch));
        link.AwaitRadioReply();
        EXPECT_EQ(state.StatusComplete, complete) << batch;
    }
    EXPECT_EQ(passedOn, 3);
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

using DrainRadioInput = LinkFixture;

TEST_F(DrainRadioInput, DispatchesWhatIsWaitingWithoutWaitingOrTouchingTheLamp) {
    int passedOn = 0;
    link.repliesDispatched = [&] { ++passedOn; };
    port.arriveAfter(0, QStringLiteral("H2\n#\n"));
    state.HashSeen = false;
    link.DrainRadioInput();
    EXPECT_EQ(state.SourceReply, "H2");
    EXPECT_TRUE(shown.lampHistory.empty() && shown.comStat.isEmpty());
    EXPECT_FALSE(state.StatusComplete);
    link.DrainRadioInput();  // nothing waiting: nothing happens
    EXPECT_EQ(port.waitCalls, 0);
    EXPECT_DOUBLE_EQ(clock.elapsedTotal(), 0);
    EXPECT_EQ(passedOn, 1);
}

using SendSync = LinkFixture;

TEST_F(SendSync, RepeatGoesOutAtMostEveryTwoSecondsAndBlinksTheLabel) {
    // Called every 0.5 s; the first call only starts the clock.
    for (int call = 0; call <= 20; ++call) {
        clock.advance(call * 0.5 - clock.elapsedTotal());
        link.gSendSync(SyncCharacter::U);
        if (call == 6) {  // 0.5 s after the send at 2.5 s
            EXPECT_EQ(shown.syncLabel, "U");
        }
        if (call == 8) {  // 1.3 s after it
            EXPECT_TRUE(shown.syncLabel.isEmpty());
        }
    }
    QList<double> sentAt;
    for (const auto& write : port.writes) {
        sentAt << write.at;
    }
    EXPECT_EQ(sentAt, QList<double>({2.5, 5.0, 7.5, 10.0}));
    EXPECT_EQ(link.SyncCount, 4);
    EXPECT_EQ(written(), QStringList({"U", "U", "U", "U"}));
}

TEST(SendSyncChanges, AChangeBetweenKeyedAndUnkeyedGoesOutAtOnceAndTheLastOneSentIsHeld) {
    // U and K call the keep-alive; "+" lets 2.1 s pass, "c" and "o" close and
    // open the port, "k" presses push-to-talk 0.1 s into the next call's pause.
    const std::pair<const char*, QStringList> scripts[] = {
        {"U+UKUU", {"U", "K", "U"}},  // the last U repeats within 2 s: held back
        {"UKcUoU", {"K", "U"}},       // the radio still holds K until it hears U
        {"KkUU", {"U", "K", "U"}},
        // Across midnight the repeats carry on.
        {"U+U+U+U+U", {"U", "U", "U"}},
    };
    for (const auto& [script, sent] : scripts) {
        test::ScriptedLink radio(std::strchr(script, '+') ? 86399.7 - 2.1 : 12 * 3600.0);
        for (const char* step = script; *step; ++step) {
            switch (*step) {
                case '+':
                    radio.clock.advance(2.1);
                    break;
                case 'c':
                    radio.port.close();
                    break;
                case 'o':
                    radio.port.open();
                    break;
                case 'k':
                    radio.clock.schedule(0.1, [&] { radio.link.gSendSync(SyncCharacter::K); });
                    break;
                default:
                    radio.link.gSendSync(*step == 'K' ? SyncCharacter::K : SyncCharacter::U);
            }
        }
        EXPECT_EQ(radio.written(), sent) << script;
        EXPECT_EQ(radio.shown.lamp(), Lamp::Idle) << script;
    }
}

}  // namespace
}  // namespace tq::protocol
