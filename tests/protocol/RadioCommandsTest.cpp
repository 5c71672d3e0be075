#include <gtest/gtest.h>

#include "protocol/LinkFixture.h"

namespace tq::protocol {
namespace {

struct Commands : test::LinkFixture {
    Commands() {
        state.FreqReply = QStringLiteral("F1420000");
        state.AgcReply = QStringLiteral("A2");
        state.ModeReply = QStringLiteral("M1");
        state.MeterSelReply = QStringLiteral("D1");
        state.PttEnReply = QStringLiteral("'1");
    }
};

TEST_F(Commands, SendFrequencyNeedsExactlySevenDigits) {
    for (const char* bad : {"140000", "14200000", "14a0000"}) {
        commands.SendFrequency(QString::fromLatin1(bad));
    }
    EXPECT_TRUE(port.writes.empty());
    answerEachWriteWith(QStringLiteral("F0707400\n"));
    commands.SendFrequency(QStringLiteral("0707400"));
    EXPECT_EQ(written(), QStringList({"F0707400\n"}));
    EXPECT_EQ(state.FreqReply, "F0707400");
}

TEST_F(Commands, SteppingPressesTheKeyOfEachFirmwareOnceForEveryStepRoundItsCycle) {
    using Step = void (RadioCommands::*)(const QString&);
    const Step agc = &RadioCommands::StepAgc, mode = &RadioCommands::SelectMode,
               meter = &RadioCommands::StepMeter;
    // clang-format off
    const struct {
        Step step;
        int firmware;  // 0: not yet known, nothing is sent
        const char *from, *to, *sent;
    } rows[] = {
        // AGC: three steps, OFF is never reached by the key.
        {agc, 1, "A4", "A2", "A\n"}, {agc, 1, "A2", "A4", "AA\n"}, {agc, 1, "A3", "A2", "AA\n"},
        {agc, 3, "A2", "A3", "a\n"}, {agc, 3, "A3", "A3", nullptr}, {agc, 0, "A2", "A4", nullptr},
        // Mode: four steps; an unknown mode counts as USB.
        {mode, 3, "M4", "M1", "m\n"}, {mode, 1, "M2", "M1", "MMM\n"}, {mode, 3, "M3", "M3", nullptr},
        {mode, 3, "M ", "M3", "mm\n"}, {mode, 0, "M1", "M3", nullptr},
        // Meter: six steps.
        {meter, 1, "D6", "D1", "d\n"}, {meter, 3, "D6", "D1", "D\n"}, {meter, 2, "D1", "D6", "ddddd\n"},
        {meter, 3, "D4", "D4", nullptr}, {meter, 0, "D1", "D2", nullptr},
    };
    // clang-format on
    int meterCalls = 0;
    for (const auto& row : rows) {
        port.writes.clear();
        state.FirmwareType = static_cast<Firmware>(row.firmware);
        QString& reported = row.step == agc    ? state.AgcReply
                            : row.step == mode ? state.ModeReply
                                               : state.MeterSelReply;
        reported = QString::fromLatin1(row.from);
        (commands.*row.step)(QString::fromLatin1(row.to));
        meterCalls += row.step == meter;
        EXPECT_EQ(written(), row.sent ? QStringList{QString::fromLatin1(row.sent)} : QStringList{})
            << row.firmware << " " << row.from << "->" << row.to;
    }
    // The meter labels go grey on every call, whether or not a key is pressed.
    EXPECT_EQ(shown.meterLabelsGreyed, meterCalls);
}

TEST_F(Commands, AdaptFirmwareSetsDirectlyAndResendsTheFrequencyPastTheCommandPath) {
    state.FirmwareType = static_cast<Firmware>(2);
    answerEachWriteWith(QStringLiteral("A1\nF1420000\n"));
    commands.StepAgc(QStringLiteral("A1"));
    EXPECT_EQ(state.AgcReply, "A1");

    shown.lampHistory.clear();
    port.arriveAfter(0, QStringLiteral("J12\n"));  // stray input is drained first
    answerEachWriteWith(QStringLiteral("M3\nF1420000\n"));
    commands.SelectMode(QStringLiteral("M3"));
    EXPECT_EQ(shown.meterLines, QStringList({"J12"}));
    EXPECT_EQ(state.ModeReply, "M3");
    // No red lamp: the direct set bypasses the command path.
    EXPECT_EQ(std::count(shown.lampHistory.begin(), shown.lampHistory.end(), Lamp::Sending), 0);

    state.ModeReply = QStringLiteral("M4");
    answerEachWriteWith(QStringLiteral("M1\nF1420000\n"));
    commands.StepModeOnce();
    EXPECT_EQ(state.ModeReply, "M1");
    EXPECT_EQ(written(), QStringList({"A1\nF1420000\n", "M3\nF1420000\n", "M1\nF1420000\n"}));
}

TEST_F(Commands, SelectModePutsBackPttEnableThatTheOldFirmwareFlipped) {
    state.FirmwareType = static_cast<Firmware>(1);
    port.onWrite = [this](const QString& text) {
        port.arriveAfter(0.02,
                         text == u"M\n" ? QStringLiteral("M2\nS1\n'0\n") : QStringLiteral("'1\n"));
    };
    commands.SelectMode(QStringLiteral("M2"));
    EXPECT_EQ(written(), QStringList({"M\n", "'"}));
    EXPECT_EQ(state.SavedPttEn, "'1");
    EXPECT_EQ(state.PttEnReply, "'1");
    // What the mode change brought is shown once, and the flags used.
    EXPECT_EQ(shown.shown, QStringList({"mode", "sidetone", "pttenable"}));
    EXPECT_FALSE(state.ModeReplyNew || state.SideToneReplyNew || state.PttEnReplyNew);
}

TEST_F(Commands, StepModeOnceShowsTheNewModeOrFallsBackToAStatusRequestWhenItStaysPut) {
    state.FirmwareType = static_cast<Firmware>(3);
    answerEachWriteWith(QStringLiteral("M2\n"));
    commands.StepModeOnce();
    EXPECT_EQ(state.ModeReply, "M2");
    EXPECT_EQ(shown.shown, QStringList({"mode"}));
    EXPECT_FALSE(state.ModeReplyNew);
    EXPECT_TRUE(shown.info.isEmpty());

    state.FirmwareType = static_cast<Firmware>(1);
    port.onWrite = nullptr;
    const double before = clock.elapsedTotal();
    commands.StepModeOnce();
    EXPECT_EQ(written(), QStringList({"m\n", "M\n", "?\n"}));
    EXPECT_EQ(shown.info, "Mode did not change..");
    EXPECT_EQ(shown.shown, QStringList({"mode", "mode"}));
    // 0.1 s pause, at least 2 s of waiting, 1 s pause, one last 0.8 s wait.
    EXPECT_GE(clock.elapsedTotal() - before, 3.9 - 1e-5);
    EXPECT_LT(clock.elapsedTotal() - before, 4.8);
}

TEST_F(Commands, TogglePttEnableTogglesOrSetsExplicitlyAndAlwaysAwaitsTheReply) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {1, "'1", "'"}, {1, "' ", "'"}, {3, "'0", "'1\n"}, {2, "'1", "'0\n"}, {3, "' ", nullptr},
    };
    for (const auto& [firmware, current, sent] : cases) {
        port.writes.clear();
        state.FirmwareType = static_cast<Firmware>(firmware);
        state.PttEnReply = QString::fromLatin1(current);
        const double before = clock.elapsedTotal();
        commands.TogglePttEnable();
        EXPECT_EQ(written(), sent ? QStringList{QString::fromLatin1(sent)} : QStringList{})
            << firmware << " " << current;
        EXPECT_GE(clock.elapsedTotal() - before, 0.8 - 1e-5);
    }
}

}  // namespace
}  // namespace tq::protocol
