#include <gtest/gtest.h>

#include "persist/DataDirectoryTest.h"
#include "persist/PortSetupFile.h"
#include "persist/ReadOnlyDirectory.h"

namespace tq::app {
namespace {

const QString kSavedFile = QStringLiteral(
    "10\r\n"
    "9600 ,O,7,1\r\n"
    "comRTSXonXoff\r\n"
    "1\r\n"
    "Line 1: Port Number, COM1 = 1, COM2 = 2, etc..\r\n"
    "Line 2: Baud,Parity,Bits,Stop\r\n"
    "Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff\r\n"
    "Line 4: External PTT Enable: Enabled =  1 \r\n");

QString linesOf(const tq::persist::PortSetupFile& file) {
    return QStringList{file.portNumber, file.settings, file.handshake, file.fourth}.join(u'|');
}

TEST(PortSetupFile, WrittenAsEightLinesAndReadBackAsTheFourDataLines) {
    const tq::persist::PortSetupFile lines{QStringLiteral("10"), QStringLiteral("9600 ,O,7,1"),
                                           QStringLiteral("comRTSXonXoff"),
                                           tq::persist::extPttLine(true)};
    const QString text = tq::persist::formatPortSetup(lines, tq::persist::extPttDescription());
    EXPECT_EQ(text, kSavedFile);
    EXPECT_EQ(tq::persist::parsePortSetup(text), lines);
    EXPECT_EQ(tq::persist::extPttLine(false), QStringLiteral("0"));
}

TEST(PortSetupFile, CatSetupKeepsTheBlanksOfItsSettingsAndEndsWithTheRigTypeLine) {
    const tq::persist::PortSetupFile lines{QStringLiteral("4"), QStringLiteral("4800 ,N, 8, 1"),
                                           QStringLiteral("comNone"), QStringLiteral("My Rig ")};
    const QString text = tq::persist::formatPortSetup(lines, tq::persist::rigTypeDescription());
    EXPECT_EQ(text, QStringLiteral("4\r\n"
                                   "4800 ,N, 8, 1\r\n"
                                   "comNone\r\n"
                                   "My Rig \r\n"
                                   "Line 1: Port Number, COM1 = 1, COM2 = 2, etc..\r\n"
                                   "Line 2: Baud,Parity,Bits,Stop\r\n"
                                   "Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff\r\n"
                                   "Line 4: RigType\r\n"));
    EXPECT_EQ(tq::persist::parsePortSetup(text), lines);
}

TEST(PortSetupFile, MissingLinesReadEmptyAndOddOnesAsTheyStand) {
    EXPECT_EQ(linesOf(tq::persist::parsePortSetup(QString())), QStringLiteral("|||"));
    EXPECT_EQ(linesOf(tq::persist::parsePortSetup(QStringLiteral("3\n2400,O,7,1"))),
              QStringLiteral("3|2400,O,7,1||"));
    // Edited by hand: LF ends, blanks, a mixed-case name, text where a
    // number belongs; nothing is cleaned up.
    EXPECT_EQ(
        linesOf(tq::persist::parsePortSetup(QStringLiteral("COM3 \n\r\n comrts\nyes\r\nextra\n"))),
        QStringLiteral("COM3 || comrts|yes"));
}

TEST(PortSetupFile, HandshakeNamesMapToTheButtonsInAnyCase) {
    const QStringList names = {QStringLiteral("comNone"), QStringLiteral("comXonXoff"),
                               QStringLiteral("comRTS"), QStringLiteral("comRTSXonXoff")};
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(tq::persist::handshakeName(i), names.at(i));
        EXPECT_EQ(tq::persist::handshakeIndex(names.at(i)), i);
        EXPECT_EQ(tq::persist::handshakeIndex(names.at(i).toUpper()), i);
        EXPECT_EQ(tq::persist::handshakeIndex(names.at(i).toLower() + u' '), i);
    }
    for (const char* other : {"", "RTS", "comRTSXon", "comRTS XonXoff", "2"}) {
        EXPECT_EQ(tq::persist::handshakeIndex(QString::fromLatin1(other)), 0) << other;
    }
    EXPECT_EQ(tq::persist::handshakeName(-1), QStringLiteral("comNone"));
    EXPECT_EQ(tq::persist::handshakeName(4), QStringLiteral("comNone"));
}

using PortSetupFileSave = test::DataDirectoryTest;

TEST_F(PortSetupFileSave, ReplacesTheFileAndReportsAFailureWithTheFileName) {
    writeFile(tq::persist::kPortSetupFileName, "1\r\n");
    const tq::persist::PortSetupFile lines{QStringLiteral("10"), QStringLiteral("9600 ,O,7,1"),
                                           QStringLiteral("comRTSXonXoff"), QStringLiteral("1")};
    EXPECT_FALSE(tq::persist::savePortSetup(tq::persist::kPortSetupFileName, lines,
                                            tq::persist::extPttDescription()));
    EXPECT_EQ(fileBytes(tq::persist::kPortSetupFileName), kSavedFile.toUtf8());

    std::optional<tq::persist::PersistedFileError> failure;
    {
        test::ReadOnlyDirectory readOnly(directory());
        failure = tq::persist::savePortSetup(tq::persist::kPortSetupFileName, {},
                                             tq::persist::extPttDescription());
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->report(tq::persist::kPortSetupFileName),
              QStringLiteral("PortSetup.txt: Err 13. Permission denied"));
    EXPECT_EQ(fileBytes(tq::persist::kPortSetupFileName), kSavedFile.toUtf8());
}

}  // namespace
}  // namespace tq::app
