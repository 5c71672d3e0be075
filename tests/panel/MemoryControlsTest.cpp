// The memory channel controls: digits, recall, store, and memory operation.
#include "panel/PanelTest.h"

namespace tq::test {
namespace {

using namespace tq::panel;
using sim::Setting;
constexpr int kLeft = kLeftButton, kRight = kRightButton;

struct MemoryTest : PanelTest {
    /// The main loop between operations: a stepped channel, the replies,
    /// the display.
    QStringList settle() {
        bench.port.clearWritten();
        panel.memory().sendChannelChange();
        bench.link().AwaitRadioReply();
        panel.gUpdateDisplay();
        return bench.sent();
    }
    void step(int index, double held = 0.1) { bench.hold(Stepper::Channel, index, kLeft, held); }
};

TEST_F(MemoryTest, ChannelDigitsStepWithoutWrappingAround) {
    // From, the digit, button and time held, to, the beeps.
    for (const auto& [from, index, button, held, to, beeps] :
         {std::tuple{"95", 0, kLeft, 0.1, "95", 1},  // tens stop at 9x
          std::tuple{"10", 0, kRight, 0.1, "00", 0},
          std::tuple{"00", 1, kRight, 0.1, "00", 1},  // units stop at 00
          std::tuple{"09", 1, kLeft, 0.1, "10", 0},   // and carry into the tens
          std::tuple{"00", 1, kLeft, 0.6, "03", 0},   // held: a step every 0.25 s
          std::tuple{"50", 0, kLeft, 1.1, "90", 1},   // held past the end: stays
          std::tuple{"x ", 1, kLeft, 0.1, "01", 0},   // no number: counts as 00
          std::tuple{"42", 1, kMiddleButton, 0.1, "42", 0}}) {
        model.channel.set(QLatin1String(from));
        bench.beeps = 0;
        bench.hold(Stepper::Channel, index, button, held);
        EXPECT_EQ(model.channel(), QLatin1String(to)) << from << " index " << index;
        EXPECT_EQ(bench.beeps, beeps) << from << " index " << index;
    }
    step(1);
    EXPECT_TRUE(settle().isEmpty()) << "in VFO operation the radio hears nothing of it";
}

TEST_F(MemoryTest, InMemoryOperationAReleasedChannelGoesOutOnceBetweenExchanges) {
    click(PanelRequest::cmdVM);
    settle();
    model.channel.set(QStringLiteral("10"));
    step(1, 0.6);
    bench.link().SyncChar = protocol::SyncCharacter::K;  // a transmission keeps its channel
    EXPECT_TRUE(settle().isEmpty());
    bench.link().SyncChar = protocol::SyncCharacter::U;
    EXPECT_EQ(settle(), QStringList{"C13"});
    EXPECT_EQ(bench.setting(Setting::Channel), 13);
    EXPECT_EQ(model.vfoA(), "1413000");
    EXPECT_TRUE(settle().isEmpty()) << "sent once";
    // Memory operation ended before the main loop came round: not sent.
    step(1);
    click(PanelRequest::cmdVM);
    EXPECT_TRUE(settle().isEmpty());
}

TEST_F(MemoryTest, RecallShowsTheChannelAndStoreTakesWhatTheRadioReported) {
    model.channel.set(QStringLiteral("07"));
    EXPECT_EQ(click(PanelRequest::cmdM2V), QStringList{"C07"});
    EXPECT_EQ(model.infoLine(), "Channel 07");
    settle();
    EXPECT_EQ(std::pair(model.vfoA(), model.mode()), std::pair(QString("1407000"), Mode::Cw));

    // The radio's report is stored, not the digits the panel shows, and
    // only a report of a frequency and a mode.
    model.channel.set(QStringLiteral("12"));
    model.vfoA.set(QStringLiteral("0350000"));
    for (const auto& [freq, mode, sent] : {std::tuple{"F1420000", "M1", QStringList{"P1214200001"}},
                                           std::tuple{"F14a0000", "M1", QStringList{}},
                                           std::tuple{"F1420000", "M5", QStringList{}}}) {
        bench.state.FreqReply = QLatin1String(freq);
        bench.state.ModeReply = QLatin1String(mode);
        EXPECT_EQ(click(PanelRequest::cmdV2M), sent) << freq << mode;
    }
    EXPECT_EQ(bench.port.radio().memory().channel(12).frequency, 1420000);
}

TEST_F(MemoryTest, LeavingMemoryOperationPutsVfoAAndItsModeBackExactly) {
    model.channel.set(QStringLiteral("06"));  // 14.060 00 MHz AME
    EXPECT_EQ(click(PanelRequest::cmdVM), QStringList{"C06"});
    EXPECT_TRUE(model.channelOperation() == ChannelOperation::Memory && model.frequencyLock());
    settle();
    step(1);
    settle();
    EXPECT_EQ(std::pair(model.vfoA(), model.mode()), std::pair(QString("1407000"), Mode::Cw));

    EXPECT_EQ(click(PanelRequest::cmdVM).last(), "F1420000");
    EXPECT_TRUE(model.channelOperation() == ChannelOperation::Vfo && !model.frequencyLock());
    settle();
    EXPECT_EQ(std::pair(model.vfoA(), model.mode()), std::pair(QString("1420000"), Mode::Usb));
    EXPECT_EQ(std::pair(bench.setting(Setting::Frequency), bench.setting(Setting::Mode)),
              std::pair(1420000, 1));
}

}  // namespace
}  // namespace tq::test
