// Front-panel keys sent as letters: each repetition is one press, each
// dialect has its own letters, and the reply is the setting reached.

#include <gtest/gtest.h>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

struct KeyCase {
    Firmware firmware;
    const char* command;
    QList<QByteArray> reply;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "dialect " << static_cast<int>(c.firmware) << " "
        << QByteArray(c.command).toPercentEncoding().constData();
}

class SimKeyPresses : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SimKeyPresses, StepTheSettingAndReportIt) {
    RadioDriver radio(GetParam().firmware);
    EXPECT_EQ(radio.send(GetParam().command), GetParam().reply);
}

// From a fresh radio: AGC SLOW (A2), USB (M1), meter 1, MIC (H1), local
// audio, PTT enabled, clipping, sidetone and VOX off.
INSTANTIATE_TEST_SUITE_P(
    Agc, SimKeyPresses,
    ::testing::Values(KeyCase{Firmware::V601, "A\n", {"A3"}},
                      KeyCase{Firmware::V601, "AA\n", {"A4"}},
                      // SLOW -> MED -> FAST -> SLOW: OFF is never reached by the key.
                      KeyCase{Firmware::V601, "AAA\n", {"A2"}},
                      KeyCase{Firmware::V604Adapt, "AA\n", {"A4"}},
                      KeyCase{Firmware::V604NonAdapt, "aa\n", {"A4"}},
                      KeyCase{Firmware::V604NonAdapt, "aaaa\n", {"A3"}}));

INSTANTIATE_TEST_SUITE_P(
    Mode, SimKeyPresses,
    ::testing::Values(KeyCase{Firmware::V604NonAdapt, "m\n", {"M2", "S0", "H1", "'1"}},
                      KeyCase{Firmware::V604NonAdapt, "mmm\n", {"M4", "S0", "H1", "'1"}},
                      KeyCase{Firmware::V604NonAdapt, "mmmm\n", {"M1", "S0", "H1", "'1"}},
                      KeyCase{Firmware::V604Adapt, "MM\n", {"M3", "S0", "H1", "'1"}},
                      // This firmware flips PTT enable with every mode change...
                      KeyCase{Firmware::V601, "MMM\n", {"M4", "S0", "H1", "'0"}},
                      // ...but not when the presses come full circle.
                      KeyCase{Firmware::V601, "MMMM\n", {"M1", "S0", "H1", "'1"}}));

INSTANTIATE_TEST_SUITE_P(
    Meter, SimKeyPresses,
    ::testing::Values(KeyCase{Firmware::V601, "dd\n", {"D3", "J03"}},
                      KeyCase{Firmware::V604Adapt, "d\n", {"D2", "J03"}},
                      KeyCase{Firmware::V604NonAdapt, "DDDDD\n", {"D6", "J14"}},
                      KeyCase{Firmware::V604NonAdapt, "DDDDDD\n", {"D1", "J03"}}));

INSTANTIATE_TEST_SUITE_P(SharedKeys, SimKeyPresses,
                         ::testing::Values(KeyCase{Firmware::V604Adapt, "HH\n", {"H3"}},
                                           KeyCase{Firmware::V604Adapt, "HHH\n", {"H1"}},
                                           KeyCase{Firmware::V601, "V\n", {"V1"}},
                                           KeyCase{Firmware::V601, "VVV\n", {"V0"}},
                                           KeyCase{Firmware::V604NonAdapt, "I\n", {"I1"}},
                                           KeyCase{Firmware::V604NonAdapt, "SS\n", {"S0"}},
                                           KeyCase{Firmware::V604Adapt, "(1\n", {"(1"}},
                                           KeyCase{Firmware::V604Adapt, "G63\n", {"G63"}},
                                           KeyCase{Firmware::V604Adapt, "B000\n", {"B000"}}));

// Audio routing and PTT enable: toggles in dialect 1, digits in the others.
INSTANTIATE_TEST_SUITE_P(AudioAndPtt, SimKeyPresses,
                         ::testing::Values(KeyCase{Firmware::V601, "\"\n", {"\"0"}},
                                           KeyCase{Firmware::V601, "\"\"\n", {"\"1"}},
                                           KeyCase{Firmware::V604Adapt, "\"0\n", {"\"0"}},
                                           KeyCase{Firmware::V604NonAdapt, "\"1\n", {"\"1"}},
                                           KeyCase{Firmware::V604Adapt, "'0\n", {"'0"}},
                                           KeyCase{Firmware::V604NonAdapt, "'1\n", {"'1"}}));

// Another dialect's letters and forms do nothing at all.
INSTANTIATE_TEST_SUITE_P(
    ForeignForms, SimKeyPresses,
    ::testing::Values(
        KeyCase{Firmware::V604NonAdapt, "A\n", {}}, KeyCase{Firmware::V604NonAdapt, "M\n", {}},
        KeyCase{Firmware::V604NonAdapt, "d\n", {}}, KeyCase{Firmware::V601, "a\n", {}},
        KeyCase{Firmware::V601, "m\n", {}}, KeyCase{Firmware::V601, "D\n", {}},
        KeyCase{Firmware::V604Adapt, "D\n", {}}, KeyCase{Firmware::V601, "\"0\n", {}},
        KeyCase{Firmware::V601, "A3\n", {}}, KeyCase{Firmware::V604NonAdapt, "M2\n", {}},
        KeyCase{Firmware::V604Adapt, "AAM\n", {}}, KeyCase{Firmware::V604Adapt, "'\n", {}}));

TEST(SimDirectSets, TakeTheValueAndAnswerTheResentFrequency) {
    RadioDriver radio(Firmware::V604Adapt);
    EXPECT_EQ(radio.send("A1\nF1420000\n"), (QList<QByteArray>{"A1", "F1420000"}));
    EXPECT_EQ(radio.send("M4\nF1420000\n"),
              (QList<QByteArray>{"M4", "S0", "H1", "'1", "F1420000"}));
    // The AGC key leaves OFF for SLOW.
    EXPECT_EQ(radio.send("A\n"), QList<QByteArray>{"A2"});
}

TEST(SimFrequency, SetsWithinTheTuningRangeOnly) {
    RadioDriver radio;
    EXPECT_EQ(radio.send("F0160000\n"), QList<QByteArray>{"F0160000"});
    EXPECT_EQ(radio.send("F2999999\n"), QList<QByteArray>{"F2999999"});
    // Outside 1.6 to 29.999 99 MHz the radio stays where it is and says so.
    EXPECT_EQ(radio.send("F0159999\n"), QList<QByteArray>{"F2999999"});
    EXPECT_EQ(radio.send("F3000000\n"), QList<QByteArray>{"F2999999"});
    // Not seven digits: not a frequency command at all.
    EXPECT_TRUE(radio.send("F142000\n").isEmpty());
    EXPECT_TRUE(radio.send("F14200000\n").isEmpty());
    EXPECT_TRUE(radio.send("F14200O0\n").isEmpty());
}

}  // namespace
}  // namespace tq::sim::test
