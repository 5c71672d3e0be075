// How the simulated radio frames commands and lets go of a key nobody holds (its
// amplifier's cycle is proven by the panel's amplifier tests against it).
#include <gtest/gtest.h>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

TEST(SimFraming, SyncAndDialectOnesPttToggleActAloneAndLinesOnceComplete) {
    RadioDriver radio(Firmware::V601);
    EXPECT_EQ(radio.send("K"), (QList<QByteArray>{"K", "J12"}));
    EXPECT_EQ(radio.send("U").value(0), "U");
    EXPECT_EQ(radio.send("''"), (QList<QByteArray>{"'0", "'1"}));
    EXPECT_TRUE(radio.send("F07000").isEmpty());
    EXPECT_EQ(radio.send("00\nG1"), QList<QByteArray>{"F0700000"});
    EXPECT_EQ(radio.send("2\n"), QList<QByteArray>{"G12"});
}

TEST(SimTransmitter, UnkeysItselfWhenTheKeepAliveStops) {
    RadioDriver radio;  // a "K" holds the key for 10 s
    radio.send("K");
    radio.runUntil(8.0);
    radio.send("K");
    EXPECT_TRUE(radio.runUntil(17.9).isEmpty());
    EXPECT_EQ(radio.runUntil(18.0), QList<QByteArray>{"U"});
    EXPECT_FALSE(radio.radio().settings().keyed());
}

}  // namespace
}  // namespace tq::sim::test
