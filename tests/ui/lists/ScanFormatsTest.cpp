// The scanners' text formats: frequency boxes, list lines and ScanFreqs.txt.
#include <gtest/gtest.h>

#include "panel/ScanConversions.h"
#include "persist/ListLine.h"
#include "persist/ScanFreqsFile.h"
#include "support/QStringPrinter.h"

namespace tq::ui {
namespace {

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
    EXPECT_EQ(tq::persist::splitListLine("14.20000   USB    Net control   "),
              (tq::persist::ListRow{"14.20000", "USB", "Net control   "}));
    EXPECT_EQ(tq::persist::splitListLine("7.150 LSB"), (tq::persist::ListRow{"7.150", "LSB", ""}));
    EXPECT_EQ(tq::persist::splitListLine("7.150 "), (tq::persist::ListRow{"7.150", "", ""}));
    EXPECT_EQ(tq::persist::splitListLine(" USB note"), (tq::persist::ListRow{"", "USB", "note"}));
    EXPECT_EQ(tq::persist::splitListLine("7.150"), (tq::persist::ListRow{"7.150", "", ""}));
    EXPECT_EQ(tq::persist::joinListLine({}), "  ");
    for (const tq::persist::ListRow& row :
         {tq::persist::ListRow{"7.150", "CW", "QRP  calling "}, tq::persist::ListRow{}}) {
        EXPECT_EQ(tq::persist::splitListLine(tq::persist::joinListLine(row)), row);
    }
}

TEST(ScanFreqsFile, WrittenFileHasFourteenCrLfLinesAndReadsBack) {
    EXPECT_EQ(tq::persist::formatScanFreqs({}, "3"), QString("  \r\n").repeated(13) + "3\r\n");
    tq::persist::ScanFreqsFile::Rows rows;
    rows[2] = {"7.150", "am", "Net  "};
    rows[12] = {"14.2", "USB", ""};
    const tq::persist::ScanFreqsFile back =
        tq::persist::parseScanFreqs(tq::persist::formatScanFreqs(rows, "12"));
    EXPECT_EQ(back.rows, rows);
    EXPECT_EQ(back.dwell, "12");
}

TEST(ScanFreqsFile, ShortLongAndLfFilesFillWhatTheyHave) {
    QString lines;
    for (int i = 0; i < 20; ++i) {
        lines += QString::number(i + 1) + ".5 CW row\n";
    }
    tq::persist::ScanFreqsFile file = tq::persist::parseScanFreqs(lines);
    EXPECT_EQ(file.rows[12].freq, "13.5");
    EXPECT_EQ(file.dwell, std::nullopt);  // line 14 is no number

    file = tq::persist::parseScanFreqs("7.1 LSB a\r\n\r\n3.6 LSB b");
    EXPECT_EQ(file.rows[0], (tq::persist::ListRow{"7.1", "LSB", "a"}));
    EXPECT_EQ(file.rows[1], tq::persist::ListRow{});
    EXPECT_EQ(file.rows[2].freq, "3.6");
    EXPECT_EQ(file.rows[3], tq::persist::ListRow{});
}

TEST(ScanFreqsFile, DwellLineCountsOnlyAsASixteenBitWholeNumber) {
    const QString rows = QString("  \r\n").repeated(13);
    EXPECT_EQ(tq::persist::parseScanFreqs(rows + " 7 \r\n").dwell, "7");
    EXPECT_EQ(tq::persist::parseScanFreqs(rows + "32767").dwell, "32767");
    for (const char* line : {"32768", "3 secs", "2.5", "three", ""}) {
        EXPECT_EQ(tq::persist::parseScanFreqs(rows + line).dwell, std::nullopt) << line;
    }
}

}  // namespace
}  // namespace tq::ui
