// The list windows' file formats, the sort and the frequency conversions,
// without a window.
#include <gtest/gtest.h>

#include <QStringList>

#include "link/RegularFile.h"
#include "panel/ListFrequency.h"
#include "panel/ScanConversions.h"
#include "persist/BandList.h"
#include "persist/BandListFile.h"
#include "persist/DataDirectoryTest.h"
#include "persist/ListLine.h"
#include "persist/ScanFreqsFile.h"
#include "support/QStringPrinter.h"

namespace tq::persist {
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
    // The window's own test checks the bytes written.
    const BandListRows rows = rowsOf({{"14.20000", "USB", "Net  "}, {"3.5", "CW", "DX  w"}});
    EXPECT_EQ(parseBandList(formatBandList(rows)), rows);
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
    EXPECT_EQ(sorted, rowsOf({{"7.1", "LSB", ""},
                              {"14.3000001", "", "same in floats"},
                              {"14.3", "CW", "second"},
                              {"14.3", "USB", "first"}}));
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
    const std::pair<const char*, const char*> replies[] = {
        {"F1407500", "14.07500"}, {"F0016000", "0.16000"}, {"        ", nullptr},
        {"F14075", nullptr},      {"F14O7500", nullptr},   {"M1", nullptr}};
    for (const auto& [reply, text] : replies) {
        EXPECT_EQ(panel::listFrequencyFromReply(QString::fromLatin1(reply)),
                  text ? std::optional(QString::fromLatin1(text)) : std::nullopt)
            << reply;
    }
    EXPECT_EQ(panel::modeWordOf(QStringLiteral("M3")), "AME");
    EXPECT_EQ(panel::modeWordOf(QStringLiteral("M5")), std::nullopt);
    EXPECT_EQ(panel::modeCodeOf(QStringLiteral("Cw")), "M4");
    EXPECT_EQ(panel::modeCodeOf(QStringLiteral("AM")), std::nullopt);
}

TEST(ScanFrequency, ReadsMegahertzIntoTenHertzUnitsWithinTheRadiosRange) {
    const std::pair<const char*, int> good[] = {
        {"1.800", 180000}, {"14.00", 1400000},    {"29.700", 2970000}, {"7.15", 715000},
        {" 3.5 ", 350000}, {"7.1500000", 715000}, {"1.6", 160000},     {"29.99999", 2999999}};
    for (const auto& [text, value] : good) {
        EXPECT_EQ(tq::panel::scanFrequency(QString::fromLatin1(text)), value) << text;
    }
    for (const char* text :
         {"1.59999", "30.000", "", "USB", "7.1a", "-7.1", "7,150", "14.2000001", "7.150001"}) {
        EXPECT_EQ(tq::panel::scanFrequency(QString::fromLatin1(text)), std::nullopt) << text;
    }
    EXPECT_EQ(tq::panel::frequencyCommand(715000), "F0715000");
}

TEST(ListLine, SplitsAtRunsOfSpacesAndJoinsBackUnchanged) {
    EXPECT_EQ(splitListLine("14.20000   USB    Net control   "),
              (ListRow{"14.20000", "USB", "Net control   "}));
    EXPECT_EQ(splitListLine(" USB note"), (ListRow{"", "USB", "note"}));
    EXPECT_EQ(joinListLine({}), "  ");
    const ListRow row{"7.150", "CW", "QRP  calling "};
    EXPECT_EQ(splitListLine(joinListLine(row)), row);
}

TEST(ScanFreqsFile, DwellLineCountsOnlyAsASixteenBitWholeNumber) {
    const QString rows = QString("  \r\n").repeated(13);
    EXPECT_EQ(tq::persist::parseScanFreqs(rows + " 7 \r\n").dwell, "7");
    EXPECT_EQ(tq::persist::parseScanFreqs(rows + "32767").dwell, "32767");
    for (const char* line : {"32768", "3 secs", "2.5", "three", ""}) {
        EXPECT_EQ(tq::persist::parseScanFreqs(rows + line).dwell, std::nullopt) << line;
    }
}

class BandListFileTest : public test::DataDirectoryTest {};

TEST_F(BandListFileTest, LongLinesAreCutAndAFileLargerThanAnyListIsRefused) {
    QByteArray bytes("7.1 LSB ");
    bytes += QByteArray(tq::persist::kBandListLineLimit + 5000, 'x') + "\r\n";
    bytes += "7.2 USB second\n";
    for (int line = 0; line < 20000; ++line) {
        bytes += "3.5 CW filler line that is never read\r\n";
    }
    ASSERT_LE(bytes.size(), tq::link::kFileSizeLimit);
    writeFile(QStringLiteral("M40List.txt"), bytes);
    const auto rows = tq::persist::readBandListFile(QStringLiteral("M40List.txt"));
    ASSERT_TRUE(rows);
    EXPECT_EQ((*rows)[0].info.size(), tq::persist::kBandListLineLimit - 8)
        << "cut to what a text box holds";
    EXPECT_EQ((*rows)[1].info, "second") << "the next line starts after the cut one";
    EXPECT_EQ((*rows)[13].freq, "3.5");

    writeFile(QStringLiteral("M40List.txt"), bytes + QByteArray(tq::link::kFileSizeLimit, '\n'));
    EXPECT_EQ(tq::persist::readBandListFile(QStringLiteral("M40List.txt")), std::nullopt);
    EXPECT_EQ(tq::persist::readBandListFile(QStringLiteral("missing.txt")), std::nullopt);
}

}  // namespace
}  // namespace tq::persist
