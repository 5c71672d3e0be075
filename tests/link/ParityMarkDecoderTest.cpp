#include <gtest/gtest.h>

#include <vector>

#include "QStringPrinter.h"
#include "link/ParityMarkDecoder.h"
#include "link/SerialPort.h"

namespace tq::link {
namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values) {
        out.append(static_cast<char>(v));
    }
    return out;
}

TEST(LinkParityMarkDecoder, PlainTextPassesAndDoubledFfIsOneByte) {
    ParityMarkDecoder decoder;
    auto out = decoder.decode("R1\r\n");
    EXPECT_EQ(out.text, QStringLiteral("R1\r\n"));
    EXPECT_TRUE(out.events.empty());

    // A literal 0xFF arrives doubled; masked to 7 bits it is DEL.
    out = decoder.decode(bytes({'A', 0xFF, 0xFF, 'B'}));
    EXPECT_EQ(out.text, QString::fromLatin1("A\x7F"
                                            "B"));
    EXPECT_TRUE(out.events.empty());
}

TEST(LinkParityMarkDecoder, ErrorByteBecomesReplacementWithParityEvent) {
    ParityMarkDecoder decoder;
    const auto out = decoder.decode(bytes({'M', 0xFF, 0x00, 'x', '2'}));
    EXPECT_EQ(out.text, QStringLiteral("M:2"));
    EXPECT_EQ(out.events, std::vector<int>{CommEvent::kParityError});

    ParityMarkDecoder keeping;
    keeping.setParityReplacement(QChar());
    EXPECT_EQ(keeping.decode(bytes({0xFF, 0x00, 0xC1})).text, QStringLiteral("A"));
}

TEST(LinkParityMarkDecoder, BreakRaisesEventAndAddsNoText) {
    ParityMarkDecoder decoder;
    const auto out = decoder.decode(bytes({'a', 0xFF, 0x00, 0x00, 'b', 0xFF, 0x00, 0x00}));
    EXPECT_EQ(out.text, QStringLiteral("ab"));
    EXPECT_EQ(out.events, (std::vector<int>{CommEvent::kBreak, CommEvent::kBreak}));
}

TEST(LinkParityMarkDecoder, MarksSplitAcrossReadsAreCompletedByTheNextRead) {
    ParityMarkDecoder decoder;
    // FF | 00 | c : an error byte spread over three reads.
    auto out = decoder.decode(bytes({'1', 0xFF}));
    EXPECT_EQ(out.text, QStringLiteral("1"));
    out = decoder.decode(bytes({0x00}));
    EXPECT_TRUE(out.text.isEmpty());
    EXPECT_TRUE(out.events.empty());
    out = decoder.decode(bytes({'q', '2'}));
    EXPECT_EQ(out.text, QStringLiteral(":2"));
    EXPECT_EQ(out.events, std::vector<int>{CommEvent::kParityError});

    // FF | FF : a literal 0xFF split in two.
    EXPECT_TRUE(decoder.decode(bytes({0xFF})).text.isEmpty());
    EXPECT_EQ(decoder.decode(bytes({0xFF, 'z'})).text, QString::fromLatin1("\x7Fz"));

    // FF 00 | 00 : a break split in two.
    EXPECT_TRUE(decoder.decode(bytes({0xFF, 0x00})).events.empty());
    out = decoder.decode(bytes({0x00}));
    EXPECT_EQ(out.events, std::vector<int>{CommEvent::kBreak});
    EXPECT_TRUE(out.text.isEmpty());
}

TEST(LinkParityMarkDecoder, NulBytesAreDroppedOnlyWhenDiscarding) {
    ParityMarkDecoder decoder;
    EXPECT_EQ(decoder.decode(bytes({0, 'F', 0, 0, 'A', 0})).text, QStringLiteral("FA"));
    // 0x80 is a NUL once the eighth bit is gone.
    EXPECT_EQ(decoder.decode(bytes({0x80, 'x'})).text, QStringLiteral("x"));

    decoder.setDiscardNull(false);
    EXPECT_EQ(decoder.decode(bytes({'a', 0, 'b'})).text, QString::fromLatin1("a\0b", 3));
}

TEST(LinkParityMarkDecoder, EveryByteIsMaskedToSevenBits) {
    ParityMarkDecoder decoder;
    const auto out = decoder.decode(bytes({0xC1, 0xB1, 0x8D, 0x7E}));
    EXPECT_EQ(out.text, QString::fromLatin1("A1\r~"));
    for (const QChar ch : out.text) {
        EXPECT_LT(ch.unicode(), 0x80);
    }
}

TEST(LinkParityMarkDecoder, UnmarkedStreamTakesFfAsAnOrdinaryByte) {
    ParityMarkDecoder decoder;
    decoder.setMarksEnabled(false);
    const auto out = decoder.decode(bytes({0xFF, 0x00, 0x00, 'A'}));
    EXPECT_EQ(out.text, QString::fromLatin1("\x7F"
                                            "A"));
    EXPECT_TRUE(out.events.empty());
}

}  // namespace
}  // namespace tq::link
