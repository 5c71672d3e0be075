// The scanners' text formats: frequency boxes, list lines and ScanFreqs.txt.
#include <gtest/gtest.h>

#include "link/QStringPrinter.h"
#include "ui/lists/ListLine.h"
#include "ui/lists/ScanConversions.h"
#include "ui/lists/ScanFreqsFile.h"

namespace tq::ui {
namespace {

TEST(ScanFrequency, ReadsMegahertzIntoTenHertzUnitsWithinTheRadiosRange) {
    const std::pair<const char*, int> good[] = {
        {"1.800", 180000}, {"14.00", 1400000},    {"29.700", 2970000}, {"7.15", 715000},
        {" 3.5 ", 350000}, {"7.1500000", 715000}, {"1.6", 160000},     {"29.99999", 2999999}};
    for (const auto& [text, value] : good) {
        EXPECT_EQ(scanFrequency(QString::fromLatin1(text)), value) << text;
    }
    for (const char* text :
         {"1.59999", "30.000", "", "USB", "7.1a", "-7.1", "7,150", "14.2000001", "7.150001"}) {
        EXPECT_EQ(scanFrequency(QString::fromLatin1(text)), std::nullopt) << text;
    }
    EXPECT_EQ(frequencyCommand(715000), "F0715000");
}

TEST(ListLine, SplitsAtRunsOfSpacesAndJoinsBackUnchanged) {
    EXPECT_EQ(splitListLine("14.20000   USB    Net control   "),
              (ListRow{"14.20000", "USB", "Net control   "}));
    EXPECT_EQ(splitListLine("7.150 LSB"), (ListRow{"7.150", "LSB", ""}));
    EXPECT_EQ(splitListLine("7.150 "), (ListRow{"7.150", "", ""}));
    EXPECT_EQ(splitListLine(" USB note"), (ListRow{"", "USB", "note"}));
    EXPECT_EQ(splitListLine("7.150"), (ListRow{"7.150", "", ""}));
    EXPECT_EQ(joinListLine({}), "  ");
    for (const ListRow& row : {ListRow{"7.150", "CW", "QRP  calling "}, ListRow{}}) {
        EXPECT_EQ(splitListLine(joinListLine(row)), row);
    }
}

TEST(ScanFreqsFile, WrittenFileHasFourteenCrLfLinesAndReadsBack) {
    EXPECT_EQ(formatScanFreqs({}, "3"), QString("  \r\n").repeated(13) + "3\r\n");
    ScanFreqsFile::Rows rows;
    rows[2] = {"7.150", "am", "Net  "};
    rows[12] = {"14.2", "USB", ""};
    const ScanFreqsFile back = parseScanFreqs(formatScanFreqs(rows, "12"));
    EXPECT_EQ(back.rows, rows);
    EXPECT_EQ(back.dwell, "12");
}

TEST(ScanFreqsFile, ShortLongAndLfFilesFillWhatTheyHave) {
    QString lines;
    for (int i = 0; i < 20; ++i) {
        lines += QString::number(i + 1) + ".5 CW row\n";
    }
    ScanFreqsFile file = parseScanFreqs(lines);
    EXPECT_EQ(file.rows[12].freq, "13.5");
    EXPECT_EQ(file.dwell, std::nullopt);  // line 14 is no number

    file = parseScanFreqs("7.1 LSB a\r\n\r\n3.6 LSB b");
    EXPECT_EQ(file.rows[0], (ListRow{"7.1", "LSB", "a"}));
    EXPECT_EQ(file.rows[1], ListRow{});
    EXPECT_EQ(file.rows[2].freq, "3.6");
    EXPECT_EQ(file.rows[3], ListRow{});
}

TEST(ScanFreqsFile, DwellLineCountsOnlyAsASixteenBitWholeNumber) {
    const QString rows = QString("  \r\n").repeated(13);
    EXPECT_EQ(parseScanFreqs(rows + " 7 \r\n").dwell, "7");
    EXPECT_EQ(parseScanFreqs(rows + "32767").dwell, "32767");
    for (const char* line : {"32768", "3 secs", "2.5", "three", ""}) {
        EXPECT_EQ(parseScanFreqs(rows + line).dwell, std::nullopt) << line;
    }
}

}  // namespace
}  // namespace tq::ui
