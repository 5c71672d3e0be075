// The band list file format, the sort and the frequency conversions, without
// a window.
#include <gtest/gtest.h>

#include <QStringList>

#include "link/QStringPrinter.h"
#include "panel/ListFrequency.h"
#include "persist/BandList.h"
#include "ui/lists/BandSelectPlacement.h"

namespace tq::ui {

void PrintTo(const tq::persist::BandListRow& row, std::ostream* out) {
    *out << '{' << row.freq.toStdString() << '|' << row.mode.toStdString() << '|'
         << row.info.toStdString() << '}';
}

namespace {

tq::persist::BandListRows rowsOf(std::initializer_list<tq::persist::BandListRow> first) {
    tq::persist::BandListRows rows;
    std::size_t i = 0;
    for (const tq::persist::BandListRow& row : first) {
        rows[i++] = row;
    }
    return rows;
}

TEST(BandListFormat, ReaderSplitsFieldsAtRunsOfSpacesAndKeepsTheNoteWhole) {
    const tq::persist::BandListRows rows =
        tq::persist::parseBandList(QStringLiteral("14.20000   USB    Net control   \r\n"
                                                  "7.150 LSB\r\n"
                                                  "7.150 \n"
                                                  "\r\n"
                                                  " USB leading blank\r\n"
                                                  "3.5\r\n"
                                                  "10.1 cw a\tb  c"));
    EXPECT_EQ(rows[0], (tq::persist::BandListRow{"14.20000", "USB", "Net control   "}));
    EXPECT_EQ(rows[1], (tq::persist::BandListRow{"7.150", "LSB", ""}));
    EXPECT_EQ(rows[2], (tq::persist::BandListRow{"7.150", "", ""}));
    EXPECT_EQ(rows[3], tq::persist::BandListRow{}) << "an empty line still uses up its row";
    EXPECT_EQ(rows[4], (tq::persist::BandListRow{"", "USB", "leading blank"}));
    EXPECT_EQ(rows[5], (tq::persist::BandListRow{"3.5", "", ""}))
        << "a line without a space is all frequency";
    EXPECT_EQ(rows[6], (tq::persist::BandListRow{"10.1", "cw", "a\tb  c"}));
    EXPECT_EQ(rows[7], tq::persist::BandListRow{});
}

TEST(BandListFormat, ReaderTakesOnlyTheFirstFourteenLines) {
    QString text;
    for (int line = 1; line <= 20; ++line) {
        text += QStringLiteral("%1.000 USB line %1\r\n").arg(line);
    }
    const tq::persist::BandListRows rows = tq::persist::parseBandList(text);
    EXPECT_EQ(rows[0].info, "line 1");
    EXPECT_EQ(rows[13], (tq::persist::BandListRow{"14.000", "USB", "line 14"}));
}

TEST(BandListFormat, WrittenFileHasFourteenLinesAndReadsBackUnchanged) {
    const tq::persist::BandListRows rows = rowsOf(
        {{"14.20000", "USB", "Net control   "}, {"7.1", "lsb", ""}, {"3.5", "CW", "DX  window"}});
    const QString text = tq::persist::formatBandList(rows);
    EXPECT_TRUE(text.startsWith(QStringLiteral("14.20000 USB Net control   \r\n7.1 lsb \r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 15);
    EXPECT_TRUE(lines.last().isEmpty());
    for (int line = 3; line < 14; ++line) {
        EXPECT_EQ(lines[line], "  ") << line;
    }
    EXPECT_EQ(tq::persist::parseBandList(text), rows);
}

TEST(BandListFormat, LineBreaksInsideAFieldDoNotAddLines) {
    const QString text = tq::persist::formatBandList(rowsOf({{"7.1", "LSB", "two\r\nlines"}}));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 14);
    EXPECT_EQ(tq::persist::parseBandList(text)[0].info, "two  lines");
}

TEST(BandListSort, SortKeyIsTheLeadingNumber) {
    EXPECT_FLOAT_EQ(tq::persist::bandSortKey(QStringLiteral("14.3")), 14.3F);
    EXPECT_FLOAT_EQ(tq::persist::bandSortKey(QStringLiteral("  7.1 MHz")), 7.1F);
    EXPECT_FLOAT_EQ(tq::persist::bandSortKey(QStringLiteral(".5")), 0.5F);
    for (const char* zero : {"", " ", "0", ".", "-", "USB", "abc7.1", "0x1A"}) {
        EXPECT_EQ(tq::persist::bandSortKey(QString::fromLatin1(zero)), 0.0F) << zero;
    }
}

TEST(BandListSort, AscendingWithEqualFrequenciesReversedAndEmptyRowsDropped) {
    const tq::persist::BandListRows sorted =
        tq::persist::sortBandList(rowsOf({{"14.3", "USB", "first"},
                                          {"", "", "lost note"},
                                          {"7.1", "LSB", ""},
                                          {"14.3", "CW", "second"}}));
    EXPECT_EQ(sorted[0], (tq::persist::BandListRow{"7.1", "LSB", ""}));
    EXPECT_EQ(sorted[1], (tq::persist::BandListRow{"14.3", "CW", "second"}));
    EXPECT_EQ(sorted[2], (tq::persist::BandListRow{"14.3", "USB", "first"}));
    for (std::size_t row = 3; row < tq::persist::kBandListRows; ++row) {
        EXPECT_EQ(sorted[row], tq::persist::BandListRow{}) << row;
    }

    // A word or "0" has the value 0: the row goes, note and all.
    const tq::persist::BandListRows words =
        tq::persist::sortBandList(rowsOf({{"WWV", "AME", "time signal"},
                                          {"0", "USB", "zero"},
                                          {"10.0", "AME", "ten"},
                                          {"3.5", "CW", ""}}));
    EXPECT_EQ(words[0].freq, "3.5");
    EXPECT_EQ(words[1].info, "ten");
    EXPECT_EQ(words[2], tq::persist::BandListRow{});
    // Values equal in single precision count as the same frequency.
    const tq::persist::BandListRows close =
        tq::persist::sortBandList(rowsOf({{"14.3", "", "a"}, {"14.3000001", "", "b"}}));
    EXPECT_EQ(close[0].info, "b");
    EXPECT_EQ(close[1].info, "a");
}

TEST(ListFrequency, ConvertsMegahertzTextToSevenDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"7.1", "0710000"},     {"14.075", "1407500"}, {"3.5", "0350000"},
        {"14", "1400000"},      {"1.6", "0160000"},    {"29.99999", "2999999"},
        {"7.1 MHz", "0710000"}, {"14,2", "1420000"},   {"USB", "0000000"},
    };
    for (const auto& [text, digits] : cases) {
        EXPECT_EQ(tq::panel::listFrequencyDigits(QString::fromLatin1(text)),
                  QString::fromLatin1(digits))
            << text;
    }
    // More digits than places: not a frequency the radio can be tuned to.
    EXPECT_EQ(tq::panel::listFrequencyDigits(QStringLiteral("7.123456")), std::nullopt);
    EXPECT_EQ(tq::panel::listFrequencyDigits(QStringLiteral("14.200001")), std::nullopt);
    EXPECT_EQ(tq::panel::listFrequencyDigits(QStringLiteral("14200000")), std::nullopt);
}

TEST(ListFrequency, AcceptsOnlyTheTuningRange) {
    for (const char* text : {"1.6", "29.99999", "14.2"}) {
        EXPECT_TRUE(
            tq::panel::inTuningRange(*tq::panel::listFrequencyDigits(QString::fromLatin1(text))))
            << text;
    }
    for (const char* text : {"1.5", "1.59999", "30.0", "0", "word"}) {
        EXPECT_FALSE(
            tq::panel::inTuningRange(*tq::panel::listFrequencyDigits(QString::fromLatin1(text))))
            << text;
    }
}

TEST(ListFrequency, RadioReplyAndModeCodes) {
    EXPECT_EQ(tq::panel::listFrequencyFromReply(QStringLiteral("F0715000")), "7.15000");
    EXPECT_EQ(tq::panel::listFrequencyFromReply(QStringLiteral("F1407500")), "14.07500");
    EXPECT_EQ(tq::panel::listFrequencyFromReply(QStringLiteral("F0016000")), "0.16000");
    for (const char* reply : {"        ", "F14075", "F14O7500", "M1"}) {
        EXPECT_EQ(tq::panel::listFrequencyFromReply(QString::fromLatin1(reply)), std::nullopt)
            << reply;
    }
    EXPECT_EQ(tq::panel::modeWordOf(QStringLiteral("M3")), "AME");
    EXPECT_EQ(tq::panel::modeWordOf(QStringLiteral("M5")), std::nullopt);
    EXPECT_EQ(tq::panel::modeCodeOf(QStringLiteral("usb")), "M1");
    EXPECT_EQ(tq::panel::modeCodeOf(QStringLiteral("Cw")), "M4");
    EXPECT_EQ(tq::panel::modeCodeOf(QStringLiteral("AM")), std::nullopt);
    EXPECT_EQ(tq::panel::modeCodeOf(QString()), std::nullopt);
}

TEST(BandSelectPlacement, OpensOverTheBandFrameAndStaysOnTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QRect main(100, 50, 900, 600);
    EXPECT_EQ(bandSelectPosition(main, 200, {500, 500}, screen), QPoint(800, 50));
    EXPECT_EQ(bandSelectPosition(main.translated(700, 0), 200, {500, 500}, screen),
              QPoint(1420, 50));
    EXPECT_EQ(bandSelectPosition(main.translated(0, 700), 200, {500, 500}, screen),
              QPoint(800, 580));
}

}  // namespace
}  // namespace tq::ui
