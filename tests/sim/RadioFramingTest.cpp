// How the radio cuts the byte stream into commands: line feeds end lines,
// the sync characters (and dialect 1's PTT toggle) act at once, and nothing
// the program or a bad line sends can wedge the parser.

#include <gtest/gtest.h>

#include <random>

#include "RadioDriver.h"

namespace tq::sim::test {
namespace {

TEST(SimFraming, SyncCharactersActWithoutLineFeed) {
    RadioDriver radio;
    EXPECT_EQ(radio.send("K"), (QList<QByteArray>{"K", "J12"}));
    EXPECT_TRUE(radio.radio().settings().keyed());
    EXPECT_EQ(radio.send("U").value(0), "U");
    EXPECT_FALSE(radio.radio().settings().keyed());
}

TEST(SimFraming, DialectOnePttToggleActsWithoutLineFeed) {
    RadioDriver radio(Firmware::V601);
    EXPECT_EQ(radio.send("'"), QList<QByteArray>{"'0"});
    EXPECT_EQ(radio.send("''"), (QList<QByteArray>{"'1", "'0"}));
}

TEST(SimFraming, LineSplitAcrossWritesIsAnsweredOnceComplete) {
    RadioDriver radio;
    EXPECT_TRUE(radio.send("F07").isEmpty());
    EXPECT_TRUE(radio.send("000").isEmpty());
    EXPECT_EQ(radio.send("00\nG1"), QList<QByteArray>{"F0700000"});
    EXPECT_EQ(radio.send("2\n"), QList<QByteArray>{"G12"});
}

TEST(SimFraming, RandomBytesNeverWedgeTheRadio) {
    RadioDriver radio(Firmware::V601);
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int chunk = 0; chunk < 200; ++chunk) {
        QByteArray noise;
        for (int i = 0; i < 100; ++i) {
            noise.append(static_cast<char>(byte(random)));
        }
        radio.radio().receive(noise, chunk * 0.01);
        radio.radio().takeOutput();
    }
    // Whatever the noise left half-read is ended by one line feed.
    radio.send("\n");
    const QList<QByteArray> dump = radio.statusDump();
    ASSERT_FALSE(dump.isEmpty());
    EXPECT_EQ(dump.last(), ".");
}

TEST(SimFraming, UnreadRepliesStayBounded) {
    RadioDriver radio;
    for (int i = 0; i < 5000; ++i) {
        radio.radio().receive("?\n", 0.0);
    }
    EXPECT_LE(radio.radio().takeOutput().size(), RadioSimulator::kMaxOutput);
}

}  // namespace
}  // namespace tq::sim::test
