// The whole program with settings files that are not what they should be: a
// FIFO under a settings name, junk in TQ5820ini.txt.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>

#include "ProgramHarness.h"
#include "support/QStringPrinter.h"

using tq::test::ProgramHarness;

namespace {

TEST(SettingsFilesProgram, FifosInPlaceOfSettingsFilesHoldNothingUp) {
    ProgramHarness h;
    for (const char* name : {"TQ5820ini.txt", "CATSetup.txt", "AudioSetup.txt", "Permissions.txt",
                             "StationLinks.txt", "SerialPorts.txt"}) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(h.dir.filePath(QString::fromLatin1(name))), 0600), 0);
    }
    // Opening any of them for reading would wait here for a writer forever.
    ASSERT_TRUE(h.runToMainLoop());
    EXPECT_FALSE(h.program->flags.OutOfBandAllowed) << "a FIFO is no Permissions.txt";
    EXPECT_EQ(h.program->audio.SetupSource, "H1") << "the default audio settings";
    h.ui<QAction>("mnuFileExit")->trigger();
    EXPECT_EQ(h.exitStatus, 0);
    EXPECT_TRUE(QFileInfo(h.dir.filePath(QStringLiteral("TQ5820ini.txt"))).isFile())
        << "the save put a file in the FIFO's place";
}

TEST(SettingsFilesProgram, JunkIniLineIsNeitherShownNorWrittenBack) {
    ProgramHarness h;
    // Line 5, the split caption, is binary junk and longer than the window.
    h.writeFile("TQ5820ini.txt", QStringLiteral(" 1500 \r\n-300 \r\n1234567\r\nLSB\r\n") +
                                     QString::fromLatin1("\x7f"
                                                         "ELF\x02\x01\x01\xff\xfe") +
                                     QString(400, u'W') + QStringLiteral("\r\n10KHz\r\n"));
    ASSERT_TRUE(h.runToMainLoop());
    EXPECT_EQ(h.program->window->x(), 100);
    EXPECT_LT(h.program->window->y(), 0) << "the window system may nudge it back on screen";
    EXPECT_EQ(h.ui<QLabel>("lblSplit")->text(), "Split Off") << "the caption of a missing line";
    EXPECT_EQ(h.program->model().vfoB(), "1234567") << "the other lines still count";
    EXPECT_EQ(h.ui<QComboBox>("cmbVFOBMode")->currentText(), "LSB");
    EXPECT_EQ(h.ui<QComboBox>("cmbStepSize")->currentText(), "10KHz");
    h.ui<QAction>("mnuFileExit")->trigger();
    EXPECT_EQ(h.readFile(QStringLiteral("TQ5820ini.txt")).split(QStringLiteral("\r\n")).mid(2, 4),
              QStringList({"1234567", "LSB", "Split Off", "10KHz"}));
}

}  // namespace
