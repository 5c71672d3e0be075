#include <gtest/gtest.h>

#include "protocol/LinkFixture.h"

using tq::protocol::Lamp;
using tq::test::LinkFixture;

namespace {

/// One key-stepping case: from a reported setting to a target, and the one
/// command expected on the wire (none when nothing should be sent).
struct KeyCase {
    int firmware;
    const char* from;
    const char* to;
    const char* sent;
};

struct Commands : LinkFixture {
    using Step = void (tq::protocol::RadioCommands::*)(const QString&);

    void expectKeyPresses(QString tq::protocol::RadioState::*reported, Step step,
                          std::initializer_list<KeyCase> cases) {
        for (const KeyCase& c : cases) {
            port.writes.clear();
            state.FirmwareType = static_cast<tq::protocol::Firmware>(c.firmware);
            state.*reported = QString::fromLatin1(c.from);
            (commands.*step)(QString::fromLatin1(c.to));
            const QStringList expected =
                c.sent ? QStringList{QString::fromLatin1(c.sent)} : QStringList{};
            EXPECT_EQ(written(), expected) << c.firmware << " " << c.from << "->" << c.to;
        }
    }

    Commands() {
        state.FreqReply = QStringLiteral("F1420000");
        state.AgcReply = QStringLiteral("A2");
        state.ModeReply = QStringLiteral("M1");
        state.MeterSelReply = QStringLiteral("D1");
        state.PttEnReply = QStringLiteral("'1");
    }
};

TEST_F(Commands, SendFrequencyNeedsExactlySevenDigits) {
    for (const char* bad : {"140000", "14200000", "14a0000", "", " 142000"}) {
        commands.SendFrequency(QString::fromLatin1(bad));
    }
    EXPECT_TRUE(port.writes.empty());
    answerEachWriteWith(QStringLiteral("F0707400\n"));
    commands.SendFrequency(QStringLiteral("0707400"));
    EXPECT_EQ(written(), QStringList({"F0707400\n"}));
    EXPECT_EQ(state.FreqReply, "F0707400");
}

TEST_F(Commands, StepAgcPressesTheKeyRoundItsThreeStepCycle) {
    expectKeyPresses(&tq::protocol::RadioState::AgcReply, &tq::protocol::RadioCommands::StepAgc,
                     {
                         {1, "A4", "A2", "A\n"},
                         {1, "A3", "A4", "A\n"},
                         {1, "A2", "A4", "AA\n"},
                         {1, "A3", "A2", "AA\n"},
                         {3, "A4", "A2", "a\n"},
                         {3, "A2", "A3", "a\n"},
                         {3, "A3", "A3", nullptr},
                         {1, "A2", "A2", nullptr},
                         {0, "A2", "A4", nullptr},  // firmware not yet known
                     });
}

TEST_F(Commands, StepAgcSetsDirectlyAndResendsTheFrequencyOnAdaptFirmware) {
    state.FirmwareType = static_cast<tq::protocol::Firmware>(2);
    answerEachWriteWith(QStringLiteral("A1\nF1420000\n"));
    commands.StepAgc(QStringLiteral("A1"));
    EXPECT_EQ(written(), QStringList({"A1\nF1420000\n"}));
    EXPECT_EQ(state.AgcReply, "A1");
}

TEST_F(Commands, SelectModePressesTheModeKeyRoundItsFourStepCycle) {
    expectKeyPresses(&tq::protocol::RadioState::ModeReply, &tq::protocol::RadioCommands::SelectMode,
                     {
                         {3, "M4", "M1", "m\n"},
                         {3, "M1", "M4", "mmm\n"},
                         {1, "M2", "M1", "MMM\n"},
                         {1, "M1", "M2", "M\n"},
                         {3, "M3", "M3", nullptr},
                         // An unknown mode counts as USB.
                         {3, "M ", "M3", "mm\n"},
                         {0, "M1", "M3", nullptr},  // firmware not yet known
                     });
}

TEST_F(Commands, SelectModePutsBackPttEnableThatTheOldFirmwareFlipped) {
    state.FirmwareType = static_cast<tq::protocol::Firmware>(1);
    port.onWrite = [this](const QString& text) {
        if (text == u"M\n")
            port.arriveAfter(0.02, QStringLiteral("M2\n'0\n"));
        if (text == u"'")
            port.arriveAfter(0.02, QStringLiteral("'1\n"));
    };
    commands.SelectMode(QStringLiteral("M2"));
    EXPECT_EQ(written(), QStringList({"M\n", "'"}));
    EXPECT_EQ(state.SavedPttEn, "'1");
    EXPECT_EQ(state.PttEnReply, "'1");
    // The new mode and the PTT enable setting are shown, and their flags used.
    EXPECT_TRUE(shown.shown.contains("mode"));
    EXPECT_TRUE(shown.shown.contains("pttenable"));
    EXPECT_FALSE(state.ModeReplyNew);
    EXPECT_FALSE(state.PttEnReplyNew);
}

TEST_F(Commands, SelectModeOnAdaptFirmwareWritesTheDirectSetStraightToThePort) {
    state.FirmwareType = static_cast<tq::protocol::Firmware>(2);
    port.arriveAfter(0, QStringLiteral("J12\n"));  // stray input is drained first
    answerEachWriteWith(QStringLiteral("M3\nF1420000\n"));
    commands.SelectMode(QStringLiteral("M3"));
    EXPECT_EQ(written(), QStringList({"M3\nF1420000\n"}));
    EXPECT_EQ(shown.meterLines, QStringList({"J12"}));
    // No red lamp: the direct set bypasses the command path.
    EXPECT_EQ(std::count(shown.lampHistory.begin(), shown.lampHistory.end(), Lamp::Sending), 0);
    EXPECT_EQ(state.ModeReply, "M3");
}

TEST_F(Commands, StepMeterUsesTheMeterKeyOfEachFirmware) {
    expectKeyPresses(&tq::protocol::RadioState::MeterSelReply,
                     &tq::protocol::RadioCommands::StepMeter,
                     {
                         {1, "D6", "D1", "d\n"},
                         {3, "D6", "D1", "D\n"},
                         {2, "D1", "D3", "dd\n"},
                         {1, "D1", "D6", "ddddd\n"},
                         {3, "D4", "D4", nullptr},
                         {0, "D1", "D2", nullptr},
                     });
    // The meter labels go grey on every call, whether or not a key is pressed.
    EXPECT_EQ(shown.meterLabelsGreyed, 6);
}

TEST_F(Commands, StepModeOnceShowsTheNewMode) {
    state.FirmwareType = static_cast<tq::protocol::Firmware>(3);
    answerEachWriteWith(QStringLiteral("M2\n"));
    commands.StepModeOnce();
    EXPECT_EQ(written(), QStringList({"m\n"}));
    EXPECT_EQ(state.ModeReply, "M2");
    EXPECT_EQ(shown.shown, QStringList({"mode"}));
    EXPECT_FALSE(state.ModeReplyNew);
    EXPECT_TRUE(shown.info.isEmpty());
}

TEST_F(Commands, StepModeOnceOnAdaptFirmwareSetsTheNextModeDirectly) {
    state.FirmwareType = static_cast<tq::protocol::Firmware>(2);
    state.ModeReply = QStringLiteral("M4");
    answerEachWriteWith(QStringLiteral("M1\nF1420000\n"));
    commands.StepModeOnce();
    EXPECT_EQ(written(), QStringList({"M1\nF1420000\n"}));
    EXPECT_EQ(state.ModeReply, "M1");
}

TEST_F(Commands, StepModeOnceFallsBackToAStatusRequestWhenTheModeStaysPut) {
    state.FirmwareType = static_cast<tq::protocol::Firmware>(1);
    commands.StepModeOnce();
    EXPECT_EQ(written(), QStringList({"M\n", "?\n"}));
    EXPECT_EQ(shown.info, "Mode did not change..");
    EXPECT_EQ(shown.shown, QStringList({"mode"}));
    // 0.1 s pause, at least 2 s of waiting, 1 s pause, one last 0.8 s wait.
    EXPECT_GE(clock.elapsedTotal(), 3.9 - 1e-5);
    EXPECT_LT(clock.elapsedTotal(), 4.8);
}

TEST_F(Commands, TogglePttEnableToggleOrSetsExplicitly) {
    struct Case {
        int firmware;
        const char* current;
        const char* sent;
    };
    const Case cases[] = {
        {1, "'1", "'"}, {1, "' ", "'"}, {3, "'0", "'1\n"}, {2, "'1", "'0\n"}, {3, "' ", nullptr},
    };
    for (const Case& c : cases) {
        port.writes.clear();
        state.FirmwareType = static_cast<tq::protocol::Firmware>(c.firmware);
        state.PttEnReply = QString::fromLatin1(c.current);
        const double before = clock.elapsedTotal();
        commands.TogglePttEnable();
        const QStringList expected =
            c.sent ? QStringList{QString::fromLatin1(c.sent)} : QStringList{};
        EXPECT_EQ(written(), expected) << c.firmware << " " << c.current;
        // The reply is awaited in every case, even when nothing was sent.
        EXPECT_GE(clock.elapsedTotal() - before, 0.8 - 1e-5);
    }
}

}  // namespace
