// How the radio cuts the byte stream into commands, what its status dump
// holds, and what it does over its own time: the amplifier's warm-up and
// tune cycle, and the transmitter that drops out when nobody holds it keyed.
#include <gtest/gtest.h>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

TEST(SimFraming, SyncCharactersAndDialectOnesPttToggleActWithoutLineFeed) {
    RadioDriver radio(Firmware::V601);
    EXPECT_EQ(radio.send("K"), (QList<QByteArray>{"K", "J12"}));
    EXPECT_TRUE(radio.radio().settings().keyed());
    EXPECT_EQ(radio.send("U").value(0), "U");
    EXPECT_FALSE(radio.radio().settings().keyed());
    EXPECT_EQ(radio.send("''"), (QList<QByteArray>{"'0", "'1"}));
}

TEST(SimFraming, LineSplitAcrossWritesIsAnsweredOnceComplete) {
    RadioDriver radio;
    EXPECT_TRUE(radio.send("F07").isEmpty());
    EXPECT_TRUE(radio.send("000").isEmpty());
    EXPECT_EQ(radio.send("00\nG1"), QList<QByteArray>{"F0700000"});
    EXPECT_EQ(radio.send("2\n"), QList<QByteArray>{"G12"});
}

TEST(SimStatusDump, ReportsEverySettingInOrderWithItsWidthInEachDialect) {
    const QList<QByteArray> expectedStart{
        "F1420000", "A2", "M1", "D1", "H1", "\"1", "'1",  "(0",   "I0",
        "S0",       "V0", "R1", "O1", "T1", "C00", "G00", "B100", "U",
    };
    for (Firmware firmware : {Firmware::V601, Firmware::V604Adapt, Firmware::V604NonAdapt}) {
        const QList<QByteArray> dump = RadioDriver(firmware).statusDump();
        ASSERT_GE(dump.size(), expectedStart.size() + 3);
        EXPECT_EQ(dump.mid(0, expectedStart.size()), expectedStart);
        const QByteArray meter = dump[expectedStart.size()];
        EXPECT_TRUE(meter.size() == 3 && meter[0] == 'J') << meter.constData();
        EXPECT_EQ(dump.mid(dump.size() - 2), (QList<QByteArray>{"#", "."}));
    }
    // Only a "?" alone on its line asks for it.
    RadioDriver radio;
    EXPECT_TRUE(radio.send("? \n").isEmpty());
    EXPECT_TRUE(radio.send("??\n").isEmpty());
    EXPECT_EQ(radio.send("?\n?\n").size(), 2 * radio.statusDump().size());
}

RadioOptions ampOptions() {
    RadioOptions options;
    options.warmUpSeconds = 5.0;
    options.tuneRequestSeconds = 1.0;
    options.tuneSeconds = 2.0;
    options.keyHoldSeconds = 10.0;
    return options;
}

TEST(SimAmplifier, WarmsUpRefusingOperateThenRunsTheTuneCycleWhileKeyed) {
    RadioDriver radio(ampOptions());
    EXPECT_EQ(radio.send("O2\n"), QList<QByteArray>{"O2"});
    EXPECT_TRUE(radio.runUntil(4.9).isEmpty());
    EXPECT_EQ(radio.send("O4\n"), QList<QByteArray>{"O2"});
    EXPECT_EQ(radio.runUntil(5.0), QList<QByteArray>{"O3"});
    EXPECT_EQ(radio.send("O4\n"), QList<QByteArray>{"O4"});
    // A moment after going to operate the amplifier asks for a tune.
    EXPECT_EQ(radio.runUntil(6.0), QList<QByteArray>{"T2"});
    EXPECT_EQ(radio.send("K"), (QList<QByteArray>{"K", "J12", "T3"}));
    EXPECT_TRUE(radio.runUntil(7.9).isEmpty());
    radio.send("K");  // the program's keep-alive holds the key
    EXPECT_EQ(radio.runUntil(8.0), QList<QByteArray>{"T4"});
    EXPECT_EQ(radio.send("U").value(0), "U");
    EXPECT_TRUE(radio.statusDump().contains("T4"));
}

TEST(SimTransmitter, UnkeysItselfWhenTheKeepAliveStops) {
    RadioDriver radio(ampOptions());
    radio.send("K");
    radio.runUntil(8.0);
    radio.send("K");
    EXPECT_TRUE(radio.runUntil(17.9).isEmpty());
    EXPECT_EQ(radio.runUntil(18.0), QList<QByteArray>{"U"});
    EXPECT_FALSE(radio.radio().settings().keyed());
}

}  // namespace
}  // namespace tq::sim::test
