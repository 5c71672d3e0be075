// The 100 memory channels: read with "L", written with "P", recalled with "C".

#include <gtest/gtest.h>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

TEST(SimMemoryChannels, ReadReportsChannelFrequencyAndMode) {
    RadioDriver radio;
    const QList<QByteArray> reply = radio.send("L07\n");
    ASSERT_EQ(reply.size(), 1);
    EXPECT_EQ(reply[0].size(), 11);
    EXPECT_TRUE(reply[0].startsWith("P07"));
    // Channels start out distinct, so a read of the wrong channel shows.
    EXPECT_NE(radio.send("L08\n")[0].mid(3), reply[0].mid(3));
    EXPECT_EQ(radio.send("L99\n")[0].left(3), "P99");
}

TEST(SimMemoryChannels, WrittenEntryReadsBackAndRecalls) {
    RadioDriver radio;
    EXPECT_EQ(radio.send("P1214200001\n"), QList<QByteArray>{"P1214200001"});
    EXPECT_EQ(radio.send("P1307000004\n"), QList<QByteArray>{"P1307000004"});
    EXPECT_EQ(radio.send("L12\n"), QList<QByteArray>{"P1214200001"});

    EXPECT_EQ(radio.send("C13\n"), (QList<QByteArray>{"C13", "F0700000", "M4"}));
    const QList<QByteArray> dump = radio.statusDump();
    EXPECT_TRUE(dump.contains("C13"));
    EXPECT_TRUE(dump.contains("F0700000"));
    EXPECT_TRUE(dump.contains("M4"));
}

}  // namespace
}  // namespace tq::sim::test
