// The protocol code driving the simulated radio in virtual time: start-up
// tells each firmware dialect from its status dump, and every stepping
// routine leaves the radio at the wanted setting whatever it starts from.
#include <gtest/gtest.h>

#include "protocol/FirmwareRule.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "sim/SimulatedPort.h"
#include "support/RecordingIndicators.h"
#include "support/TestClock.h"

namespace tq::protocol {
namespace {

using sim::Setting;

class RadioAgainstSimulator : public ::testing::TestWithParam<sim::Firmware> {
protected:
    sim::RadioOptions options() const {
        sim::RadioOptions options;
        options.firmware = GetParam();
        return options;
    }

    test::TestClock clock{10 * 3600.0};
    test::RecordingIndicators shown;
    RadioState state;
    sim::SimulatedPort port{clock, options()};
    RadioLink link{port, clock, shown, state};
    RadioCommands commands{link};
};

TEST_P(RadioAgainstSimulator, StartUpIdentifiesTheFirmwareAndSteppingReachesEverySetting) {
    port.open();
    for (int attempt = 0; attempt < 5 && !state.StatusComplete; ++attempt) {
        link.SendRadioCommand(QStringLiteral("?"), true, 0.6);
        link.AwaitRadioReply();
    }
    ASSERT_TRUE(state.StatusComplete);
    applyFirmwareRule(state, shown, ControlSetUp::Remote);
    EXPECT_EQ(static_cast<int>(state.FirmwareType), static_cast<int>(GetParam()));
    EXPECT_EQ(state.RemoteReply, "R1");
    EXPECT_EQ(shown.comStat, "Com OK");

    const QString pttBefore = state.PttEnReply;
    using Step = void (RadioCommands::*)(const QString&);
    const std::tuple<Step, char, Setting, int, int> settings[] = {
        {&RadioCommands::SelectMode, 'M', Setting::Mode, 1, 4},
        {&RadioCommands::StepAgc, 'A', Setting::Agc, 2, 4},
        {&RadioCommands::StepMeter, 'D', Setting::Meter, 1, 6},
    };
    for (const auto& [step, letter, setting, first, last] : settings) {
        for (int from = first; from <= last; ++from) {
            for (int to = first; to <= last; ++to) {
                (commands.*step)(QStringLiteral("%1%2").arg(letter).arg(from));
                (commands.*step)(QStringLiteral("%1%2").arg(letter).arg(to));
                EXPECT_EQ(port.radio().settings().get(setting), to) << letter << from << "->" << to;
            }
        }
    }
    // The oldest firmware flips PTT enable with the mode; it must be back.
    EXPECT_EQ(state.PttEnReply, pttBefore);
    EXPECT_EQ(port.radio().settings().get(Setting::PttEnable), pttBefore.mid(1).toInt());
    // The frequency survives the direct sets that re-send it.
    EXPECT_EQ(port.radio().settings().get(Setting::Frequency), 1420000);
}

INSTANTIATE_TEST_SUITE_P(EachFirmware, RadioAgainstSimulator,
                         ::testing::Values(sim::Firmware::V601, sim::Firmware::V604Adapt,
                                           sim::Firmware::V604NonAdapt),
                         [](const auto& info) {
                             return "Firmware" + std::to_string(static_cast<int>(info.param));
                         });

}  // namespace
}  // namespace tq::protocol
