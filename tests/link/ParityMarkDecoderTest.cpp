#include <gtest/gtest.h>

#include <vector>

#include "link/ParityMarkDecoder.h"
#include "link/SerialPort.h"
#include "support/QStringPrinter.h"

namespace tq::link {
namespace {

constexpr int P = CommEvent::kParityError;
constexpr int B = CommEvent::kBreak;

TEST(LinkParityMarkDecoder, MarkedBytesBecomeTextAndEventsEvenWhenSplitAcrossReads) {
    struct Case {
        const char* what;
        std::vector<std::vector<int>> reads;
        QString text;
        std::vector<int> events = {};
        bool marks = true;
        bool discardNull = true;
        QChar replacement = u':';
        bool toggleMarks = false;  // off and on again between reads
    };
    const Case cases[] = {
        {"plain text", {{'R', '1', '\r', '\n'}}, QStringLiteral("R1\r\n")},
        {"doubled FF is one DEL",
         {{'A', 0xFF, 0xFF, 'B'}},
         QStringLiteral("A\x7F"
                        "B")},
        {"error byte replaced", {{'M', 0xFF, 0x00, 'x', '2'}}, QStringLiteral("M:2"), {P}},
        {"error byte kept", {{0xFF, 0x00, 0xC1}}, QStringLiteral("A"), {P}, true, true, QChar()},
        {"breaks add no text", {{'a', 0xFF, 0, 0, 'b', 0xFF, 0, 0}}, QStringLiteral("ab"), {B, B}},
        {"error over three reads", {{'1', 0xFF}, {0x00}, {'q', '2'}}, QStringLiteral("1:2"), {P}},
        {"literal FF over two reads", {{0xFF}, {0xFF, 'z'}}, QStringLiteral("\x7Fz")},
        {"break over two reads", {{0xFF, 0x00}, {0x00}}, QString(), {B}},
        {"NULs dropped, 0x80 too", {{0, 'F', 0, 0, 'A', 0, 0x80, 'x'}}, QStringLiteral("FAx")},
        {"NULs kept", {{'a', 0, 'b'}}, QString::fromLatin1("a\0b", 3), {}, true, false},
        {"seven bits", {{0xC1, 0xB1, 0x8D, 0x7E}}, QStringLiteral("A1\r~")},
        {"FF before no mark keeps both",
         {{0xFF, 'A'}},
         QStringLiteral("\x7F"
                        "A")},
        {"toggling forgets a half-read mark",
         {{0xFF}, {'A'}},
         QStringLiteral("A"),
         {},
         true,
         true,
         u':',
         true},
        {"unmarked stream",
         {{0xFF, 0x00, 0x00, 'A'}},
         QStringLiteral("\x7F"
                        "A"),
         {},
         false},
    };
    for (const Case& c : cases) {
        ParityMarkDecoder decoder;
        decoder.setMarksEnabled(c.marks);
        decoder.setDiscardNull(c.discardNull);
        decoder.setParityReplacement(c.replacement);
        QString text;
        std::vector<int> events;
        for (const auto& read : c.reads) {
            QByteArray bytes;
            for (const int b : read) {
                bytes.append(static_cast<char>(b));
            }
            const auto out = decoder.decode(bytes);
            if (c.toggleMarks) {
                decoder.setMarksEnabled(false);
                decoder.setMarksEnabled(true);
            }
            text += out.text;
            events.insert(events.end(), out.events.begin(), out.events.end());
        }
        EXPECT_EQ(text, c.text) << c.what;
        EXPECT_EQ(events, c.events) << c.what;
    }
}

}  // namespace
}  // namespace tq::link
