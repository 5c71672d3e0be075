// The amplifier's power, warm-up and tune cycle over the radio's own time,
// and the transmitter that drops out when nobody holds it keyed.

#include <gtest/gtest.h>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

RadioOptions ampOptions() {
    RadioOptions options;
    options.warmUpSeconds = 5.0;
    options.tuneRequestSeconds = 1.0;
    options.tuneSeconds = 2.0;
    return options;
}

TEST(SimAmplifier, WarmsUpThenReportsStandbyUnasked) {
    RadioDriver radio(ampOptions());
    EXPECT_EQ(radio.send("O2\n"), QList<QByteArray>{"O2"});
    EXPECT_TRUE(radio.runUntil(4.9).isEmpty());
    // Operate is refused while warming up.
    EXPECT_EQ(radio.send("O4\n"), QList<QByteArray>{"O2"});
    EXPECT_EQ(radio.runUntil(5.0), QList<QByteArray>{"O3"});
    EXPECT_TRUE(radio.runUntil(60.0).isEmpty());
}

TEST(SimAmplifier, TuneCycleRunsWhileKeyed) {
    RadioDriver radio(ampOptions());
    radio.send("O2\n");
    radio.runUntil(5.0);
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
    RadioOptions options;
    options.keyHoldSeconds = 10.0;
    RadioDriver radio(options);
    radio.send("K");
    radio.runUntil(8.0);
    radio.send("K");
    EXPECT_TRUE(radio.runUntil(17.9).isEmpty());
    EXPECT_EQ(radio.runUntil(18.0), QList<QByteArray>{"U"});
    EXPECT_FALSE(radio.radio().settings().keyed());
}

}  // namespace
}  // namespace tq::sim::test
