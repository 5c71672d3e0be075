// Band list files on disk: missing, long-lined, oversized and non-UTF-8
// files, and the bytes written. (A failed write is tested with the window,
// which reports it.)
#include <gtest/gtest.h>

#include "link/RegularFile.h"
#include "persist/BandListFile.h"
#include "persist/DataDirectoryTest.h"

namespace tq::ui {
namespace {

const QString kName = QStringLiteral("M40List.txt");

class BandListFileTest : public test::DataDirectoryTest {};

TEST_F(BandListFileTest, LongLinesAreCutAndAFileLargerThanAnyListIsRefused) {
    QByteArray bytes("7.1 LSB ");
    bytes += QByteArray(tq::persist::kBandListLineLimit + 5000, 'x') + "\r\n";
    bytes += "7.2 USB second\n";
    for (int line = 0; line < 20000; ++line) {
        bytes += "3.5 CW filler line that is never read\r\n";
    }
    ASSERT_LE(bytes.size(), tq::link::kFileSizeLimit);
    writeFile(kName, bytes);
    const auto rows = tq::persist::readBandListFile(kName);
    ASSERT_TRUE(rows);
    EXPECT_EQ((*rows)[0].info.size(), tq::persist::kBandListLineLimit - 8)
        << "cut to what a text box holds";
    EXPECT_EQ((*rows)[1].info, "second") << "the next line starts after the cut one";
    EXPECT_EQ((*rows)[13].freq, "3.5");

    writeFile(kName, bytes + QByteArray(tq::link::kFileSizeLimit, '\n'));
    EXPECT_EQ(tq::persist::readBandListFile(kName), std::nullopt);
    EXPECT_EQ(tq::persist::readBandListFile(QStringLiteral("missing.txt")), std::nullopt);
}

TEST_F(BandListFileTest, TextThatIsNotUtf8IsReadAsLatin1) {
    writeFile(kName, "7.1 LSB Z\xfcrich net\r\n14.2 USB caf\xc3\xa9\r\n");
    EXPECT_EQ((*tq::persist::readBandListFile(kName))[0].info, QString::fromUtf8("Zürich net"));
    writeFile(kName, "14.2 USB caf\xc3\xa9\r\n");
    EXPECT_EQ((*tq::persist::readBandListFile(kName))[0].info, QString::fromUtf8("café"));
}

TEST_F(BandListFileTest, WritesFourteenCrLfLines) {
    tq::persist::BandListRows rows;
    rows[0] = {"7.150", "LSB", "Net"};
    ASSERT_EQ(tq::persist::writeBandListFile(kName, rows), std::nullopt);
    const QByteArray written = fileBytes(kName);
    EXPECT_TRUE(written.startsWith("7.150 LSB Net\r\n  \r\n"));
    EXPECT_EQ(written.count("\r\n"), 14);
    EXPECT_EQ(written.size(), 15 + 13 * 4);
}

}  // namespace
}  // namespace tq::ui
