#include <gtest/gtest.h>

#include "app/persist/DataDirectoryTest.h"
#include "app/persist/PortSetupFile.h"
#include "app/persist/ReadOnlyDirectory.h"

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

QString linesOf(const PortSetupFile& file) {
    return QStringList{file.portNumber, file.settings, file.handshake, file.fourth}.join(u'|');
}

TEST(PortSetupFile, WrittenAsEightLinesAndReadBackAsTheFourDataLines) {
    const PortSetupFile lines{QStringLiteral("10"), QStringLiteral("9600 ,O,7,1"),
                              QStringLiteral("comRTSXonXoff"), extPttLine(true)};
    const QString text = formatPortSetup(lines, extPttDescription());
    EXPECT_EQ(text, kSavedFile);
    EXPECT_EQ(parsePortSetup(text), lines);
    EXPECT_EQ(extPttLine(false), QStringLiteral("0"));
}

TEST(PortSetupFile, CatSetupKeepsTheBlanksOfItsSettingsAndEndsWithTheRigTypeLine) {
    const PortSetupFile lines{QStringLiteral("4"), QStringLiteral("4800 ,N, 8, 1"),
                              QStringLiteral("comNone"), QStringLiteral("My Rig ")};
    const QString text = formatPortSetup(lines, rigTypeDescription());
    EXPECT_EQ(text, QStringLiteral("4\r\n"
                                   "4800 ,N, 8, 1\r\n"
                                   "comNone\r\n"
                                   "My Rig \r\n"
                                   "Line 1: Port Number, COM1 = 1, COM2 = 2, etc..\r\n"
                                   "Line 2: Baud,Parity,Bits,Stop\r\n"
                                   "Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff\r\n"
                                   "Line 4: RigType\r\n"));
    EXPECT_EQ(parsePortSetup(text), lines);
}

TEST(PortSetupFile, MissingLinesReadEmptyAndOddOnesAsTheyStand) {
    EXPECT_EQ(linesOf(parsePortSetup(QString())), QStringLiteral("|||"));
    EXPECT_EQ(linesOf(parsePortSetup(QStringLiteral("3\n2400,O,7,1"))),
              QStringLiteral("3|2400,O,7,1||"));
    // Edited by hand: LF ends, blanks, a mixed-case name, text where a
    // number belongs; nothing is cleaned up.
    EXPECT_EQ(linesOf(parsePortSetup(QStringLiteral("COM3 \n\r\n comrts\nyes\r\nextra\n"))),
              QStringLiteral("COM3 || comrts|yes"));
}

TEST(PortSetupFile, HandshakeNamesMapToTheButtonsInAnyCase) {
    const QStringList names = {QStringLiteral("comNone"), QStringLiteral("comXonXoff"),
                               QStringLiteral("comRTS"), QStringLiteral("comRTSXonXoff")};
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(handshakeName(i), names.at(i));
        EXPECT_EQ(handshakeIndex(names.at(i)), i);
        EXPECT_EQ(handshakeIndex(names.at(i).toUpper()), i);
        EXPECT_EQ(handshakeIndex(names.at(i).toLower() + u' '), i);
    }
    for (const char* other : {"", "RTS", "comRTSXon", "comRTS XonXoff", "2"}) {
        EXPECT_EQ(handshakeIndex(QString::fromLatin1(other)), 0) << other;
    }
    EXPECT_EQ(handshakeName(-1), QStringLiteral("comNone"));
    EXPECT_EQ(handshakeName(4), QStringLiteral("comNone"));
}

using PortSetupFileSave = test::DataDirectoryTest;

TEST_F(PortSetupFileSave, ReplacesTheFileAndReportsAFailureWithTheFileName) {
    writeFile(kPortSetupFileName, "1\r\n");
    const PortSetupFile lines{QStringLiteral("10"), QStringLiteral("9600 ,O,7,1"),
                              QStringLiteral("comRTSXonXoff"), QStringLiteral("1")};
    EXPECT_FALSE(savePortSetup(kPortSetupFileName, lines, extPttDescription()));
    EXPECT_EQ(fileBytes(kPortSetupFileName), kSavedFile.toUtf8());

    std::optional<PersistedFileError> failure;
    {
        test::ReadOnlyDirectory readOnly(directory());
        failure = savePortSetup(kPortSetupFileName, {}, extPttDescription());
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->report(kPortSetupFileName),
              QStringLiteral("PortSetup.txt: Err 13. Permission denied"));
    EXPECT_EQ(fileBytes(kPortSetupFileName), kSavedFile.toUtf8());
}

}  // namespace
}  // namespace tq::app
