// The settings files on disk: saved files load back at the next start, a
// save that fails is reported and leaves the earlier file whole, and a file
// that cannot be read is reported, never read.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <functional>

#include "persist/DataDirectoryTest.h"
#include "persist/FileSizeLimit.h"
#include "persist/IniFile.h"
#include "persist/PersistedAudioSetup.h"
#include "persist/PersistedFile.h"
#include "persist/ReadOnlyDirectory.h"
#include "persist/StationLinksFile.h"
#include "persist/WebPasswordFile.h"

namespace tq::persist {
namespace {

const QByteArray kEarlierFile = " 100 \r\n 200 \r\n0700000\r\nLSB\r\nSplit On\r\nOFF\r\n";
const PersistedState kState{-1935,
                            4320,
                            QStringLiteral("2999999"),
                            QStringLiteral("CW"),
                            QStringLiteral("Split On"),
                            QStringLiteral("OFF")};

using PersistedFiles = test::DataDirectoryTest;

TEST_F(PersistedFiles, SavedSettingsAreLoadedBackAtTheNextStart) {
    EXPECT_EQ(loadIniFile(m_indicators), std::nullopt);
    EXPECT_EQ(m_indicators.info(),
              QStringLiteral("fileExists(TQ5820ini.txt): Err 2. No such file or directory"));
    writeFile(kIniFileName, kEarlierFile);
    EXPECT_EQ(saveIniFile(kState), std::nullopt);
    EXPECT_EQ(fileBytes(kIniFileName), "-1935 \r\n 4320 \r\n2999999\r\nCW\r\nSplit On\r\nOFF\r\n");
    EXPECT_EQ(loadIniFile(m_indicators), kState);

    PersistedAudioSettings audio;
    readAudioSetup(audio, m_indicators);
    EXPECT_EQ(audio.DigitalSourceAtStart, QStringLiteral("H3")) << "the default without a file";
    audio.DigitalSource = QStringLiteral("H2");
    ASSERT_EQ(saveAudioSetup(audio), std::nullopt);
    readAudioSetup(audio, m_indicators);
    EXPECT_EQ(audio.DigitalSourceAtStart, QStringLiteral("H2"));

    link::RecordingLinkIndicators quiet;
    EXPECT_EQ(loadStationLinks(quiet), StationLinks{});
    EXPECT_TRUE(quiet.shown().isEmpty()) << "no links file is the usual case";
}

TEST_F(PersistedFiles, WebPasswordHashIsReadableByTheOwnerAloneAndCanBeRemoved) {
    const QString hash = QStringLiteral("pbkdf2-sha256$1$c2FsdA==$a2V5");
    EXPECT_FALSE(loadWebPasswordHash().has_value());
    ASSERT_FALSE(saveWebPasswordHash(hash));
    EXPECT_EQ(loadWebPasswordHash(), hash);
    EXPECT_EQ(QFile::permissions(kWebPasswordFileName),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);
    ASSERT_FALSE(removeWebPassword());
    EXPECT_FALSE(loadWebPasswordHash().has_value());
    EXPECT_FALSE(removeWebPassword()) << "nothing to remove is no failure";
}

TEST_F(PersistedFiles, FailedSaveIsReportedAndTheEarlierFileStaysWhole) {
    const std::pair<std::function<std::optional<PersistedFileError>()>, const char*> cases[] = {
        {[this] {
             test::ReadOnlyDirectory readOnly(directory());
             return saveIniFile(kState);
         },
         "TQ5820ini.txt: Err 13. Permission denied"},
        {[] {
             test::FileSizeLimit limit(16);  // less than the new file needs
             return saveIniFile(kState);
         },
         "TQ5820ini.txt: Err 27. File too large"},
    };
    for (const auto& [save, report] : cases) {
        writeFile(kIniFileName, kEarlierFile);
        const std::optional<PersistedFileError> failure = save();
        ASSERT_TRUE(failure.has_value()) << report;
        EXPECT_EQ(failure->report(kIniFileName), QString::fromLatin1(report));
        EXPECT_EQ(fileBytes(kIniFileName), kEarlierFile);
        EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{kIniFileName});
    }
}

TEST_F(PersistedFiles, FifoOrOversizedFileIsRefusedAtOnceAndUnread) {
    const auto fifo = [] {
        return ::mkfifo(QFile::encodeName(kIniFileName).constData(), 0600) == 0;
    };
    // 50 MB, sparse: only its size is looked at.
    const auto oversized = [] {
        QFile file(kIniFileName);
        return file.open(QIODevice::WriteOnly) && file.resize(50 * 1024 * 1024);
    };
    const std::pair<std::function<bool()>, const char*> cases[] = {
        {fifo, "fileExists(TQ5820ini.txt): Err 6. Not a regular file"},
        {oversized, "fileExists(TQ5820ini.txt): Err 27. File too large"},
    };
    for (const auto& [make, report] : cases) {
        QFile::remove(kIniFileName);
        ASSERT_TRUE(make()) << report;
        EXPECT_EQ(loadIniFile(m_indicators), std::nullopt) << report;
        EXPECT_EQ(m_indicators.info(), QString::fromLatin1(report));
        EXPECT_EQ(readPersistedFile(kIniFileName), std::nullopt) << report;
    }
}

}  // namespace
}  // namespace tq::persist
