// The whole program with settings files that are not what they should be: a
// FIFO under a settings name.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QFileInfo>

#include "ProgramHarness.h"
#include "link/QStringPrinter.h"

using tq::test::ProgramHarness;

namespace {

bool inRemoteMainLoop(ProgramHarness& h) {
    return h.program->ControlMode == u"REMOTE" && h.formLoad->stage() == tq::app::Stage::MainLoop;
}

TEST(SettingsFilesProgram, FifosInPlaceOfSettingsFilesHoldNothingUp) {
    ProgramHarness h;
    for (const char* name : {"TQ5820ini.txt", "CATSetup.txt", "AudioSetup.txt", "Permissions.txt",
                             "StationLinks.txt", "SerialPorts.txt"}) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(h.dir.filePath(QString::fromLatin1(name))), 0600), 0);
    }
    // Opening any of them for reading would wait here for a writer forever.
    ASSERT_TRUE(h.runUntil([&] { return inRemoteMainLoop(h); }));
    EXPECT_FALSE(h.program->flags.OutOfBandAllowed) << "a FIFO is no Permissions.txt";
    EXPECT_EQ(h.program->audio.SetupSource, "H1") << "the default audio settings";
    h.program->window->mnuFileExit->trigger();
    EXPECT_TRUE(QFileInfo(h.dir.filePath(QStringLiteral("TQ5820ini.txt"))).isFile())
        << "the save put a file in the FIFO's place";
}

}  // namespace
