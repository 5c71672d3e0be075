// The band list file format, the sort and the frequency conversions, without
// a window.
#include <gtest/gtest.h>

#include <QStringList>

#include "panel/ListFrequency.h"
#include "persist/BandList.h"
#include "support/QStringPrinter.h"
#include "ui/lists/BandSelectPlacement.h"

namespace tq::persist {

void PrintTo(const BandListRow& row, std::ostream* out) {
    *out << '{' << row.freq.toStdString() << '|' << row.mode.toStdString() << '|'
         << row.info.toStdString() << '}';
}

namespace {

using Row = BandListRow;

BandListRows rowsOf(std::initializer_list<Row> first) {
    BandListRows rows;
    std::copy(first.begin(), first.end(), rows.begin());
    return rows;
}

TEST(BandListFormat, ReaderSplitsFieldsAtRunsOfSpacesAndTakesFourteenLines) {
    QString text = QStringLiteral(
        "14.20000   USB    Net control   \r\n7.150 LSB\r\n7.150 \n\r\n USB leading blank\r\n"
        "3.5\r\n10.1 cw a\tb  c\r\n");
    for (int line = 8; line <= 20; ++line) {
        text += QStringLiteral("%1.000 USB line %1\r\n").arg(line);
    }
    const BandListRows rows = parseBandList(text);
    const Row expected[] = {{"14.20000", "USB", "Net control   "},
                            {"7.150", "LSB", ""},
                            {"7.150", "", ""},
                            {},  // an empty line still uses up its row
                            {"", "USB", "leading blank"},
                            {"3.5", "", ""},  // a line without a space is all frequency
                            {"10.1", "cw", "a\tb  c"}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(rows[i], expected[i]) << i;
    }
    EXPECT_EQ(rows[13], (Row{"14.000", "USB", "line 14"}));
}

TEST(BandListFormat, WrittenFileHasFourteenLinesAndReadsBackUnchanged) {
    const BandListRows rows =
        rowsOf({{"14.20000", "USB", "Net control   "}, {"7.1", "lsb", ""}, {"3.5", "CW", "DX  w"}});
    const QString text = formatBandList(rows);
    EXPECT_EQ(text, QStringLiteral("14.20000 USB Net control   \r\n7.1 lsb \r\n3.5 CW DX  w\r\n") +
                        QStringLiteral("  \r\n").repeated(11));
    EXPECT_EQ(parseBandList(text), rows);
    // Line breaks inside a field do not add lines.
    const QString broken = formatBandList(rowsOf({{"7.1", "LSB", "two\r\nlines"}}));
    EXPECT_EQ(broken.count(QStringLiteral("\r\n")), 14);
    EXPECT_EQ(parseBandList(broken)[0].info, "two  lines");
}

TEST(BandListSort, SortKeyIsTheLeadingNumber) {
    const std::pair<const char*, float> cases[] = {
        {"14.3", 14.3F}, {"  7.1 MHz", 7.1F}, {".5", 0.5F},  {"", 0},    {"0", 0}, {".", 0},
        {"-", 0},        {"USB", 0},          {"abc7.1", 0}, {"0x1A", 0}};
    for (const auto& [text, key] : cases) {
        EXPECT_FLOAT_EQ(bandSortKey(QString::fromLatin1(text)), key) << text;
    }
}

TEST(BandListSort, AscendingWithEqualFrequenciesReversedAndRowsWithoutAValueDropped) {
    const BandListRows sorted = sortBandList(rowsOf({{"14.3", "USB", "first"},
                                                     {"", "", "lost note"},
                                                     {"WWV", "AME", "time signal"},
                                                     {"7.1", "LSB", ""},
                                                     {"0", "USB", "zero"},
                                                     {"14.3", "CW", "second"},
                                                     {"14.3000001", "", "same in floats"}}));
    EXPECT_EQ(sorted[0], (Row{"7.1", "LSB", ""}));
    EXPECT_EQ(sorted[1], (Row{"14.3000001", "", "same in floats"}));
    EXPECT_EQ(sorted[2], (Row{"14.3", "CW", "second"}));
    EXPECT_EQ(sorted[3], (Row{"14.3", "USB", "first"}));
    EXPECT_EQ(sorted[4], Row{});
    EXPECT_EQ(sorted[13], Row{});
}

TEST(ListFrequency, ConvertsMegahertzTextToSevenDigitsAndChecksTheTuningRange) {
    struct Case {
        const char* text;
        const char* digits;  // none: more digits than places
        bool tunable;
    };
    const Case cases[] = {
        {"7.1", "0710000", true},     {"14.075", "1407500", true},   {"14", "1400000", true},
        {"1.6", "0160000", true},     {"29.99999", "2999999", true}, {"7.1 MHz", "0710000", true},
        {"14,2", "1420000", true},    {"USB", "0000000", false},     {"1.59999", "0159999", false},
        {"30.0", "3000000", false},   {"7.123456", nullptr, false},  {"14.200001", nullptr, false},
        {"14200000", nullptr, false},
    };
    for (const Case& c : cases) {
        const auto got = panel::listFrequencyDigits(QString::fromLatin1(c.text));
        EXPECT_EQ(got, c.digits ? std::optional(QString::fromLatin1(c.digits)) : std::nullopt)
            << c.text;
        EXPECT_EQ(got && panel::inTuningRange(*got), c.tunable) << c.text;
    }
}

TEST(ListFrequency, RadioReplyAndModeCodes) {
    EXPECT_EQ(panel::listFrequencyFromReply(QStringLiteral("F0715000")), "7.15000");
    EXPECT_EQ(panel::listFrequencyFromReply(QStringLiteral("F1407500")), "14.07500");
    EXPECT_EQ(panel::listFrequencyFromReply(QStringLiteral("F0016000")), "0.16000");
    for (const char* reply : {"        ", "F14075", "F14O7500", "M1"}) {
        EXPECT_EQ(panel::listFrequencyFromReply(QString::fromLatin1(reply)), std::nullopt) << reply;
    }
    EXPECT_EQ(panel::modeWordOf(QStringLiteral("M3")), "AME");
    EXPECT_EQ(panel::modeWordOf(QStringLiteral("M5")), std::nullopt);
    EXPECT_EQ(panel::modeCodeOf(QStringLiteral("usb")), "M1");
    EXPECT_EQ(panel::modeCodeOf(QStringLiteral("Cw")), "M4");
    EXPECT_EQ(panel::modeCodeOf(QStringLiteral("AM")), std::nullopt);
    EXPECT_EQ(panel::modeCodeOf(QString()), std::nullopt);
}

TEST(BandSelectPlacement, OpensOverTheBandFrameAndStaysOnTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QRect main(100, 50, 900, 600);
    using ui::bandSelectPosition;
    EXPECT_EQ(bandSelectPosition(main, 200, {500, 500}, screen), QPoint(800, 50));
    EXPECT_EQ(bandSelectPosition(main.translated(700, 0), 200, {500, 500}, screen),
              QPoint(1420, 50));
    EXPECT_EQ(bandSelectPosition(main.translated(0, 700), 200, {500, 500}, screen),
              QPoint(800, 580));
}

}  // namespace
}  // namespace tq::persist
