#include <gtest/gtest.h>

#include "persist/ChannelListFile.h"
#include "persist/DataDirectoryTest.h"
#include "support/QStringPrinter.h"

namespace tq::persist {
namespace {

TEST(ChannelListLine, ReadsCommaAndSpaceSeparatedLinesInBothFrequencyForms) {
    const std::pair<const char*, const char*> cases[] = {
        {"01,14075.00,USB", "0114075001"},
        {"05,7150.00,LSB", "0507150002"},
        {"07,3500.00,AME", "0703500003"},
        {"09,03500.00,CW", "0903500004"},
        {"02 7150.00 LSB", "0207150002"},
        // The range ends are inside.
        {"00,1600.00,USB", "0001600001"},
        {"99,29999.99,CW", "9929999994"},
        // Only the first letter of the mode counts, and the third field is
        // the rest of the line.
        {"03,14075.00,Cw", "0314075004"},
        {"04,14075.00,USB,QRP calling,45", "0414075001"},
        {"06 21200.00 AM broadcast relay", "0621200003"},
    };
    for (const auto& [line, entry] : cases) {
        EXPECT_EQ(parseChannelLine(QString::fromUtf8(line)), QString::fromLatin1(entry)) << line;
    }
}

TEST(ChannelListLine, SkipsLinesOutOfFormatOrRange) {
    const char* refused[] = {
        "08,30000.00,USB",   // just above the top
        "11,1599.99,USB",    // just below the bottom
        "22,1407.50,USB",    // four digits read as 0140750: 1.4 MHz
        "8,7150.00,USB",     // one-digit channel
        "100,7150.00,USB",   // three-digit channel
        "09,7150.0,USB",     // one decimal
        "09,14075.000,USB",  // three decimals
        "09,14075,USB",      // no point
        "09,140750.00,USB",  // six digits before the point
        "09,715.00,USB",     // three digits before the point
        "13,71a0.00,USB",    // a letter among the digits
        "13,-1600.00,USB",
        "10,7150.00,usb",     // lower-case mode
        "20,14075.00,XSB",    // no such mode
        "19, 14075.00, USB",  // blanks after the commas belong to the fields
        "21  7150.00 LSB",    // two blanks make an empty field
        "17,14075.00",        // two fields
        "18,14075.00,",       // empty mode
        "",
        "\xd9\xa0\xd9\xa1,14075.00,USB",  // digits of another script
        "01,\xd9\xa1\xd9\xa4\xd9\xa0\xd9\xa7\xd9\xa5.00,USB",
    };
    for (const char* line : refused) {
        EXPECT_EQ(parseChannelLine(QString::fromUtf8(line)), std::nullopt) << line;
    }
}

TEST(ChannelListFile, WritesFiveDigitKilohertzAndModeWords) {
    const std::pair<const char*, const char*> cases[] = {
        {"0114075001", "01,14075.00,USB"},
        {"0903500004", "09,03500.00,CW"},
        {"0107150003", "01,07150.00,AM"},
        {"4229999992", "42,29999.99,LSB"},
        // An entry the radio garbled keeps its characters; its line does not
        // read back.
        {"0514075009", "05,14075.00,"},
        {"05", "05,     .  ,"},
    };
    for (const auto& [entry, line] : cases) {
        EXPECT_EQ(formatChannelLine(QString::fromLatin1(entry)), QString::fromLatin1(line));
    }
    EXPECT_EQ(parseChannelLine(QStringLiteral("05,14075.00,")), std::nullopt);
}

TEST(ChannelListFile, WhatIsWrittenReadsBackAndUnfitLinesAreSkipped) {
    const QStringList entries = {QStringLiteral("0114075001"), QStringLiteral("0001600002"),
                                 QStringLiteral("9929999993"), QStringLiteral("0114075004")};
    EXPECT_EQ(formatChannelList(entries).count(QStringLiteral("\r\n")), 4);
    EXPECT_EQ(parseChannelList(formatChannelList(entries)), entries);
    // LF line ends, no end on the last line, comments and blank lines mixed
    // in; the list keeps the file's order and its repeated channels.
    const QString text = QStringLiteral(
        "Channel list\n\n05,7150.00,LSB\n02 7150.00 LSB\r\n08,31000.00,USB\n05,3500.00,CW");
    EXPECT_EQ(parseChannelList(text),
              QStringList({QStringLiteral("0507150002"), QStringLiteral("0207150002"),
                           QStringLiteral("0503500004")}));
}

class ChannelListFileOnDisk : public test::DataDirectoryTest {};

TEST_F(ChannelListFileOnDisk, ReadsAFileUpToTheSizeLimitAndRefusesALargerOne) {
    // A file at the limit is read, garbage and all; one byte more and it is
    // refused whole.
    const QByteArray head = QByteArrayLiteral("02,7150.00,LSB\r\n\x00\xff\xfe garbage\r\n");
    QByteArray big(kMaxChannelFileBytes, ' ');
    big.replace(0, head.size(), head);
    writeFile(QStringLiteral("big.txt"), big);
    const auto atLimit = readChannelFile(QStringLiteral("big.txt"));
    ASSERT_TRUE(std::holds_alternative<QStringList>(atLimit));
    EXPECT_EQ(std::get<QStringList>(atLimit), QStringList{QStringLiteral("0207150002")});
    writeFile(QStringLiteral("big.txt"), big + ' ');
    const auto over = readChannelFile(QStringLiteral("big.txt"));
    ASSERT_TRUE(std::holds_alternative<PersistedFileError>(over));
    EXPECT_EQ(std::get<PersistedFileError>(over).report(QStringLiteral("big.txt")),
              QStringLiteral("big.txt: Err 27. File too large"));
}

}  // namespace
}  // namespace tq::persist
