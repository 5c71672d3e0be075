// Frequency entry: VFO A sent to the radio, VFO B on the panel only, copy and swap.
#include "panel/PanelTest.h"

namespace tq::test {
namespace {

using namespace tq::panel;
using sim::Setting;
constexpr int kLeft = kLeftButton, kRight = kRightButton, kMiddle = kMiddleButton;

struct VfoTest : PanelTest {
    void tap(Stepper stepper, int digit, int button) { bench.hold(stepper, digit, button, 0.01); }
};

TEST_F(VfoTest, DigitClickStepsTheWholeNumberAndBeepsAtTheRangeEdges) {
    // The radio's frequency, the digit and button, what is sent, the beeps.
    for (const auto& [radio, digit, button, sent, beeps] :
         {std::tuple{"2999999", 6, kLeft, "2999999", 1},   // 30 MHz is out of range
          std::tuple{"0160001", 6, kRight, "0160000", 0},  // the lowest frequency
          std::tuple{"0160000", 6, kRight, "0160000", 1},
          std::tuple{"1000000", 1, kRight, "0900000", 0},      // a leading zero
          std::tuple{"1419999", 6, kLeft, "1420000", 0},       // carry through four digits
          std::tuple{"1420000", 6, kMiddle, "1420000", 0}}) {  // no direction: no step
        bench.tuneRadio(QLatin1String(radio));
        bench.beeps = 0;
        tap(Stepper::VfoA, digit, button);
        EXPECT_EQ(bench.sentFrequencies(), QStringList{u'F' + QLatin1String(sent)}) << radio;
        EXPECT_EQ(bench.beeps, beeps) << radio;
        EXPECT_EQ(model.vfoA(), QLatin1String(sent));
    }
    // A read-out that holds no frequency is nothing to step from: the radio's comes back.
    model.vfoA.set(QStringLiteral("14-2000"));
    bench.port.clearWritten();
    tap(Stepper::VfoA, 6, kLeft);
    EXPECT_EQ(bench.sentFrequencies(), QStringList{});
    EXPECT_EQ(model.vfoA(), QStringLiteral("1420000"));
}

TEST_F(VfoTest, HeldDigitSendsTheFirstFiveStepsThenEveryTenthAndTheLastOnRelease) {
    const auto releaseAt = [this](const char* shown) {
        bench.once([this, shown] { return model.vfoA() == QLatin1String(shown); },
                   [this] { panel.release(Stepper::VfoA, 6, kLeft); });
        panel.press(Stepper::VfoA, 6, kLeft);
    };
    // Let go after the 25th step is shown: that pass sent nothing, so the
    // release sends the frequency shown.
    releaseAt("1420025");
    EXPECT_EQ(bench.sentFrequencies(),
              QStringList({"F1420001", "F1420002", "F1420003", "F1420004", "F1420005", "F1420011",
                           "F1420021", "F1420025"}));
    // Let go while the 11th step goes out: nothing more is sent.
    bench.port.clearWritten();
    releaseAt("1420036");
    EXPECT_EQ(bench.sentFrequencies().size(), 6);
    EXPECT_EQ(bench.setting(Setting::Frequency), 1420036);
}

TEST_F(VfoTest, PressesAndKeysChangeNothingWhileLockedTransmittingOrInAnOperation) {
    panel.chooseStepSize(StepSize::KHz1);
    const auto pressAndKey = [this] {
        tap(Stepper::VfoA, 6, kLeft);
        panel.key(Qt::Key_D);
    };
    model.frequencyLock.set(true);
    pressAndKey();
    model.frequencyLock.set(false);
    bench.link().SyncChar = protocol::SyncCharacter::K;  // keyed by the panel
    pressAndKey();
    bench.link().SyncChar = protocol::SyncCharacter::U;
    panel.setServedOperationCheck([] { return true; });  // inside an operation's pause
    pressAndKey();
    panel.setServedOperationCheck({});
    bench.at(0.3, pressAndKey);
    bench.hold(Stepper::Ptt, 0, kLeft, 0.6);
    EXPECT_TRUE(bench.sentFrequencies().isEmpty());
}

TEST_F(VfoTest, VfoBIsPulledIntoRangeAndStepsLeavingItAreDroppedSilently) {
    // From, the digit, button and time held, to.
    for (const auto& [from, digit, button, held, to] :
         {std::tuple{"0000000", 6, kLeft, 0.01, "0160001"},   // the lowest first
          std::tuple{"07x0000", 6, kLeft, 0.01, "0160001"},   // no number: nothing
          std::tuple{"3000000", 6, kRight, 0.01, "2999998"},  // the highest first
          std::tuple{"2950000", 1, kLeft, 0.01, "2950000"},   // 30.5 MHz: dropped
          std::tuple{"0160000", 6, kRight, 0.01, "0160000"},
          std::tuple{"0710000", 4, kLeft, 0.6, "0710300"}}) {  // every 0.25 s
        model.vfoB.set(QLatin1String(from));
        bench.hold(Stepper::VfoB, digit, button, held);
        EXPECT_EQ(model.vfoB(), QLatin1String(to)) << from;
    }
    // Disabled while held, the digit stops by itself.
    bench.at(0.6, [this] { model.setEnabled(Control::cmdVFOB, false); });
    panel.press(Stepper::VfoB, 4, kLeft);
    EXPECT_EQ(model.vfoB(), "0710600");
    EXPECT_EQ(bench.beeps, 0);
    EXPECT_TRUE(bench.sent().isEmpty()) << "VFO B is never sent by itself";
}

TEST_F(VfoTest, SwapSendsTheModeIfItDiffersAndTheOldVfoBFrequencyCopyOnlyThePanel) {
    // VFO B's mode and frequency, what is sent, VFO A's mode after.
    for (const auto& [modeB, vfoB, sent, modeA] :
         {std::tuple{Mode::Usb, "0710000", QStringList{"F0710000"}, Mode::Usb},
          // A blank mode box never blanks the other.
          std::tuple{Mode::Blank, "0710000", QStringList{"F0710000"}, Mode::Usb},
          // Nothing is written when:
          std::tuple{Mode::Usb, "1420000", QStringList{}, Mode::Usb},  // the radio is on old B
          // This firmware takes the mode directly, the frequency behind it.
          std::tuple{Mode::Lsb, "0710000", QStringList{"M2", "F1420000", "F0710000"}, Mode::Lsb}}) {
        bench.tuneRadio(QStringLiteral("1420000"));
        model.vfoA.set(QStringLiteral("0420000"));
        model.vfoB.set(QLatin1String(vfoB));
        model.vfoBMode.set(modeB);
        EXPECT_EQ(click(PanelRequest::cmdSwap), sent) << vfoB;
        EXPECT_EQ(model.vfoA(), QLatin1String(vfoB));
        EXPECT_EQ(model.vfoB(), "0420000");
        EXPECT_EQ(model.mode(), modeA);
        EXPECT_EQ(model.vfoBMode(), Mode::Usb);
        bench.link().AwaitRadioReply();
    }
    EXPECT_EQ(bench.setting(Setting::Frequency), 710000);
    model.vfoBMode.set(Mode::Cw);
    EXPECT_TRUE(click(PanelRequest::cmdA2B).isEmpty()) << "copying changes only the panel";
    EXPECT_EQ(std::pair(model.vfoB(), model.vfoBMode()), std::pair(model.vfoA(), Mode::Cw));
}

}  // namespace
}  // namespace tq::test
