#include <gtest/gtest.h>

#include "protocol/DispatchRadioReplies.h"
#include "support/RecordingIndicators.h"

using tq::protocol::DispatchRadioReplies;
using tq::protocol::RadioState;

namespace {

struct Dispatch : ::testing::Test {
    RadioState state;
    tq::test::RecordingIndicators shown;

    QString run(QString batch) {
        DispatchRadioReplies(batch, state, shown);
        return batch;
    }
};

TEST_F(Dispatch, StatusBatchFillsStateAndReadsOnOneLine) {
    shown.rawShown = true;
    const QString rewritten = run(QStringLiteral("F1420000\nM1\n#\n.\n"));
    EXPECT_EQ(state.FreqReply, "F1420000");
    EXPECT_TRUE(state.FreqReplyNew);
    EXPECT_TRUE(state.FreqReplyValid);
    EXPECT_EQ(state.ModeReply, "M1");
    EXPECT_TRUE(state.ModeReplyNew);
    EXPECT_TRUE(state.HashSeen);
    EXPECT_TRUE(state.DotSeen);
    EXPECT_EQ(rewritten, "F1420000<M1<#<.<");
    EXPECT_EQ(shown.rawData, rewritten);
}

TEST_F(Dispatch, RawViewIsLeftAloneWhileSwitchedOff) {
    run(QStringLiteral("A2\n"));
    EXPECT_TRUE(shown.rawData.isEmpty());
    EXPECT_EQ(state.AgcReply, "A2");
}

TEST_F(Dispatch, TextAfterLastLineFeedIsNeitherDispatchedNorRewritten) {
    EXPECT_EQ(run(QStringLiteral("A2\nM3")), "A2<M3");
    EXPECT_EQ(state.AgcReply, "A2");
    EXPECT_FALSE(state.ModeReplyNew);
    EXPECT_EQ(run(QStringLiteral("M4")), "M4");
    EXPECT_FALSE(state.ModeReplyNew);
}

TEST_F(Dispatch, EmptyLinesAreSkippedAndKeepTheirLineFeed) {
    EXPECT_EQ(run(QStringLiteral("A1\n\nA3\n")), "A1<\nA3<");
    EXPECT_EQ(state.AgcReply, "A3");
    EXPECT_EQ(run(QStringLiteral("\n\n")), "\n\n");
}

TEST_F(Dispatch, FrequencyLineMustBeExactlySevenDigitsToBeValid) {
    run(QStringLiteral("F142000\n"));
    EXPECT_EQ(state.FreqReply, "F142000 ");  // padded to the field width
    EXPECT_TRUE(state.FreqReplyNew);
    EXPECT_FALSE(state.FreqReplyValid);

    run(QStringLiteral("F0707400\n"));
    EXPECT_TRUE(state.FreqReplyValid);

    // Cut to the field it still looks right, but the line was not.
    run(QStringLiteral("F14200001\n"));
    EXPECT_EQ(state.FreqReply, "F1420000");
    EXPECT_FALSE(state.FreqReplyValid);

    run(QStringLiteral("F14:0000\n"));
    EXPECT_FALSE(state.FreqReplyValid);
}

TEST_F(Dispatch, FieldsAreCutOrPaddedToTheirWidth) {
    run(QStringLiteral("M\nP0514200001X\nH23\n"));
    EXPECT_EQ(state.ModeReply, "M ");
    EXPECT_NE(state.ModeReply, "M1");
    EXPECT_EQ(state.ChanDataReply, "P0514200001");
    EXPECT_TRUE(state.ChanDataReplyNew);
    EXPECT_EQ(state.SourceReply, "H2");
}

TEST_F(Dispatch, SyncAnswersTrackWhetherTheRadioIsKeyed) {
    run(QStringLiteral("K\nU\n"));
    EXPECT_TRUE(state.SyncReplied);
    EXPECT_FALSE(state.RadioKeyed);
    state.SyncReplied = false;
    run(QStringLiteral("U\nK\n"));
    EXPECT_TRUE(state.SyncReplied);
    EXPECT_TRUE(state.RadioKeyed);
}

TEST_F(Dispatch, EverySettingReplyLandsInItsOwnField) {
    run(QStringLiteral("A4\nM2\nD5\nH3\n\"1\n'1\n(1\nI1\nS0\nV2\nR1\nO4\nT3\n"));
    EXPECT_EQ(state.AgcReply, "A4");
    EXPECT_EQ(state.ModeReply, "M2");
    EXPECT_EQ(state.MeterSelReply, "D5");
    EXPECT_EQ(state.SourceReply, "H3");
    EXPECT_EQ(state.LocRemAudioReply, "\"1");
    EXPECT_EQ(state.PttEnReply, "'1");
    EXPECT_EQ(state.MuteReply, "(1");
    EXPECT_EQ(state.ClipReply, "I1");
    EXPECT_EQ(state.SideToneReply, "S0");
    EXPECT_EQ(state.VoxReply, "V2");
    EXPECT_EQ(state.RemoteReply, "R1");
    EXPECT_EQ(state.AmpReply, "O4");
    EXPECT_EQ(state.TuneReply, "T3");
    for (bool flag :
         {state.AgcReplyNew, state.ModeReplyNew, state.MeterSelReplyNew, state.SourceReplyNew,
          state.LocRemAudioReplyNew, state.PttEnReplyNew, state.MuteReplyNew, state.ClipReplyNew,
          state.SideToneReplyNew, state.VoxReplyNew, state.RemoteReplyNew, state.AmpReplyNew,
          state.TuneReplyNew}) {
        EXPECT_TRUE(flag);
    }
}

TEST_F(Dispatch, FirstCharacterIsComparedExactly) {
    run(QStringLiteral("a2\nm3\nd4\n:F1420000\nC05\nB100\nG10\nX1\n,1\n*1\n)abc\n"));
    EXPECT_FALSE(state.AgcReplyNew);
    EXPECT_FALSE(state.ModeReplyNew);
    EXPECT_FALSE(state.MeterSelReplyNew);
    EXPECT_FALSE(state.FreqReplyNew);
}

TEST_F(Dispatch, MarkerLinesSetTheirFlags) {
    run(QStringLiteral("!\nQT1\n"));
    EXPECT_TRUE(state.BangSeen);
    EXPECT_TRUE(state.QSeen);
    EXPECT_FALSE(state.HashSeen);
    EXPECT_FALSE(state.DotSeen);
}

TEST_F(Dispatch, MeterReadingsGoToTheMeterAsTheyArrive) {
    run(QStringLiteral("J45\nJ07\nJx\n"));
    EXPECT_EQ(shown.meterLines, QStringList({"J45", "J07", "Jx"}));
    EXPECT_EQ(state.MeterValue, 0);  // a non-number reads as 0
    run(QStringLiteral("J99\n"));
    EXPECT_EQ(state.MeterValue, 99);
}

}  // namespace
