// The scanners' text formats: frequency boxes, mode words, the dwell box,
// list lines and ScanFreqs.txt.
#include <gtest/gtest.h>

#include "link/QStringPrinter.h"
#include "ui/lists/ListLine.h"
#include "ui/lists/ScanConversions.h"
#include "ui/lists/ScanFreqsFile.h"

namespace tq::ui {
namespace {

TEST(ScanFrequency, ReadsMegahertzIntoTenHertzUnits) {
    EXPECT_EQ(scanFrequency("1.800"), 180000);
    EXPECT_EQ(scanFrequency("14.00"), 1400000);
    EXPECT_EQ(scanFrequency("29.700"), 2970000);
    EXPECT_EQ(scanFrequency("7.15"), 715000);
    EXPECT_EQ(scanFrequency("7.1500000"), 715000);  // surplus zeros change nothing
    EXPECT_EQ(scanFrequency(" 3.5 "), 350000);
    EXPECT_EQ(scanFrequency("14"), 1400000);
}

TEST(ScanFrequency, RefusesWhatTheRadioCannotTuneExactly) {
    // The range edges, 1.600 00 and 29.999 99 MHz, are tunable.
    EXPECT_EQ(scanFrequency("1.6"), 160000);
    EXPECT_EQ(scanFrequency("29.99999"), 2999999);
    for (const char* text : {"1.59999", "30.000", "", "   ", "USB", "7.1a", "-7.1", "7,150",
                             "14.2000001", "7.150001"}) {
        EXPECT_EQ(scanFrequency(QString::fromLatin1(text)), std::nullopt) << text;
    }
}

TEST(ScanFrequency, CommandHasSevenDigits) {
    EXPECT_EQ(frequencyCommand(715000), "F0715000");
    EXPECT_EQ(frequencyCommand(2999999), "F2999999");
}

TEST(ScanModeCode, TakesTheFourWordsAndAmInAnyCase) {
    EXPECT_EQ(scanModeCode("usb"), "M1");
    EXPECT_EQ(scanModeCode("LSB"), "M2");
    EXPECT_EQ(scanModeCode("AME"), "M3");
    EXPECT_EQ(scanModeCode("am"), "M3");
    EXPECT_EQ(scanModeCode("Cw"), "M4");
    EXPECT_EQ(scanModeCode("FM"), "");
    EXPECT_EQ(scanModeCode(""), "");
}

TEST(DwellSeconds, IsAWholeNumberOfAtLeastOneSecond) {
    EXPECT_EQ(dwellSeconds("3"), 3);
    EXPECT_EQ(dwellSeconds("0"), 1);
    EXPECT_EQ(dwellSeconds("-4"), 1);
    EXPECT_EQ(dwellSeconds("abc"), 1);
    EXPECT_EQ(dwellSeconds("5 s"), 5);
    EXPECT_EQ(dwellSeconds("99999999999"), 32767);
}

TEST(ListLine, SplitsAtRunsOfSpacesAndKeepsTheNotesOwn) {
    EXPECT_EQ(splitListLine("14.20000   USB    Net control   "),
              (ListRow{"14.20000", "USB", "Net control   "}));
    EXPECT_EQ(splitListLine("7.150 LSB"), (ListRow{"7.150", "LSB", ""}));
    EXPECT_EQ(splitListLine("7.150 "), (ListRow{"7.150", "", ""}));
    EXPECT_EQ(splitListLine(" USB note"), (ListRow{"", "USB", "note"}));
    EXPECT_EQ(splitListLine("7.150"), (ListRow{"7.150", "", ""}));
    EXPECT_EQ(splitListLine(""), ListRow{});
}

TEST(ListLine, JoinedRowsReadBackUnchanged) {
    EXPECT_EQ(joinListLine({}), "  ");
    for (const ListRow& row :
         {ListRow{"7.150", "CW", "QRP  calling "}, ListRow{"1.9", "", ""}, ListRow{}}) {
        EXPECT_EQ(splitListLine(joinListLine(row)), row);
    }
}

ScanFreqsFile::Rows rowsWith(std::initializer_list<std::pair<int, ListRow>> rows) {
    ScanFreqsFile::Rows all;
    for (const auto& [index, row] : rows) {
        all[static_cast<std::size_t>(index)] = row;
    }
    return all;
}

TEST(ScanFreqsFile, WrittenFileHasFourteenCrLfLinesAndReadsBack) {
    const QString empty = formatScanFreqs({}, "3");
    EXPECT_EQ(empty, QString("  \r\n").repeated(13) + "3\r\n");

    const auto rows = rowsWith({{2, {"7.150", "am", "Net  "}}, {12, {"14.2", "USB", ""}}});
    const ScanFreqsFile back = parseScanFreqs(formatScanFreqs(rows, "12"));
    EXPECT_EQ(back.rows, rows);
    EXPECT_EQ(back.dwell, "12");
}

TEST(ScanFreqsFile, ReadsLfLinesShortFilesAndIgnoresExtraLines) {
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
    EXPECT_EQ(file.dwell, std::nullopt);

    EXPECT_EQ(parseScanFreqs("").rows, ScanFreqsFile::Rows{});
}

TEST(ScanFreqsFile, DwellLineCountsOnlyAsASixteenBitWholeNumber) {
    const QString rows = QString("  \r\n").repeated(13);
    EXPECT_EQ(parseScanFreqs(rows + " 7 \r\n").dwell, "7");
    EXPECT_EQ(parseScanFreqs(rows + "0\r\n").dwell, "0");
    EXPECT_EQ(parseScanFreqs(rows + "32767").dwell, "32767");
    for (const char* line : {"32768", "3 secs", "2.5", "three", ""}) {
        EXPECT_EQ(parseScanFreqs(rows + line).dwell, std::nullopt) << line;
    }
}

}  // namespace
}  // namespace tq::ui
