// The whole program with settings files that are not what they should be: a
// FIFO under a settings name, junk in TQ5820ini.txt, a data directory that
// cannot be written when the window closes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>

#include "ProgramHarness.h"
#include "persist/ReadOnlyDirectory.h"
#include "support/QStringPrinter.h"

using tq::test::ProgramHarness;

namespace {

QStringList exitAndReadIni(ProgramHarness& h) {
    h.ui<QAction>("mnuFileExit")->trigger();
    return h.readFile(QStringLiteral("TQ5820ini.txt")).split(QStringLiteral("\r\n"));
}

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
    h.writeFile("TQ5820ini.txt", QStringLiteral(" 1500 \r\n 900 \r\n1234567\r\nLSB\r\n") +
                                     QString::fromLatin1("\x7f"
                                                         "ELF\x02\x01\x01\xff\xfe") +
                                     QString(400, u'W') + QStringLiteral("\r\n10KHz\r\n"));
    ASSERT_TRUE(h.runToMainLoop());
    EXPECT_EQ(h.ui<QLabel>("lblSplit")->text(), "Split Off") << "the caption of a missing line";
    EXPECT_EQ(h.program->model().vfoB(), "1234567") << "the other lines still count";
    EXPECT_EQ(h.ui<QComboBox>("cmbVFOBMode")->currentText(), "LSB");
    EXPECT_EQ(h.ui<QComboBox>("cmbStepSize")->currentText(), "10KHz");
    EXPECT_EQ(exitAndReadIni(h).mid(2, 4), QStringList({"1234567", "LSB", "Split Off", "10KHz"}));
}

TEST(SettingsFilesProgram, FailedSaveOnCloseAsksRetryOrQuitAndTheShutdownGoesOn) {
    ProgramHarness h;
    const QString earlier =
        QStringLiteral(" 1500 \r\n 900 \r\n1234567\r\nLSB\r\nSplit On\r\nOFF\r\n");
    h.writeFile("TQ5820ini.txt", earlier);
    ASSERT_TRUE(h.runToMainLoop());
    h.takeWritten();
    h.prompts.answerChoice(0);  // Retry: fails again
    h.prompts.answerChoice(1);  // Quit without saving
    {
        tq::test::ReadOnlyDirectory readOnly(h.dir.path());
        h.ui<QAction>("mnuFileExit")->trigger();
    }
    EXPECT_TRUE(h.programEnded);
    EXPECT_EQ(h.exitStatus, tq::app::ShutdownSave::kNotSaved);
    ASSERT_EQ(h.prompts.prompts().size(), 2);
    for (const auto& question : h.prompts.prompts()) {
        EXPECT_EQ(question.kind, tq::test::ScriptedPrompts::Kind::Choice);
        EXPECT_TRUE(question.text.startsWith("TQ5820ini.txt: Err 13. Permission denied"))
            << qPrintable(question.text);
    }
    EXPECT_EQ(h.prompts.unexpectedCount(), 0);
    EXPECT_TRUE(h.takeWritten().startsWith(QStringLiteral("G00\n")));
    EXPECT_FALSE(h.port.isOpen());
    EXPECT_EQ(h.readFile(QStringLiteral("TQ5820ini.txt")), earlier);
}

}  // namespace
