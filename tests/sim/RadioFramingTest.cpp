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

TEST(SimFraming, SyncCharacterInsideALineActsAndLeavesTheLineWhole) {
    RadioDriver radio;
    EXPECT_EQ(radio.send("F07K00000\n"), (QList<QByteArray>{"K", "J12", "F0700000"}));
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

TEST(SimFraming, CarriageReturnMakesALineUnknown) {
    RadioDriver radio;
    EXPECT_TRUE(radio.send("F0700000\r\n").isEmpty());
    EXPECT_TRUE(radio.send("?\r\n").isEmpty());
    EXPECT_EQ(radio.send("\n\n?\n").last(), ".");
}

TEST(SimFraming, OverlongLineIsDroppedWholeAndTheNextLineWorks) {
    RadioDriver radio;
    const QByteArray longLine = "F" + QByteArray(CommandStream::kMaxLineLength * 4, '1');
    EXPECT_TRUE(radio.send(longLine).isEmpty());
    // Its tail, even if it looks like a command, belongs to the dropped line.
    EXPECT_TRUE(radio.send("G10\n").isEmpty());
    EXPECT_EQ(radio.send("G10\n"), QList<QByteArray>{"G10"});
}

TEST(SimFraming, LongestLegalKeyRunIsAccepted) {
    RadioDriver radio;
    // 63 presses of the VOX key: 63 = 0 mod 3, back to OFF.
    EXPECT_EQ(radio.send(QByteArray(63, 'V') + "\n"), QList<QByteArray>{"V0"});
}

TEST(SimFraming, EighthBitIsIgnoredAsOnASevenBitLine) {
    RadioDriver radio;
    const QByteArray query{"\xBF\n"};  // '?' with the top bit set
    EXPECT_EQ(radio.send(query).last(), ".");
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
