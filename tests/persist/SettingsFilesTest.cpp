// Settings files on disk (a read-only directory and a FIFO: see the program's tests).
#include <gtest/gtest.h>

#include <QDir>

#include "persist/DataDirectoryTest.h"
#include "persist/FileSizeLimit.h"
#include "persist/IniFile.h"
#include "persist/PersistedFile.h"
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

TEST_F(PersistedFiles, SaveThatRunsOutOfSpaceIsReportedAndTheEarlierFileStaysWhole) {
    writeFile(kIniFileName, kEarlierFile);
    std::optional<PersistedFileError> failure;
    {
        test::FileSizeLimit limit(16);  // less than the new file needs
        failure = saveIniFile(kState);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->report(kIniFileName), "TQ5820ini.txt: Err 27. File too large");
    EXPECT_EQ(fileBytes(kIniFileName), kEarlierFile);
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{kIniFileName});
}

TEST_F(PersistedFiles, OversizedFileIsRefusedAtOnceAndUnread) {
    QFile file(kIniFileName);  // 50 MB, sparse: only its size is looked at
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(50 * 1024 * 1024));
    EXPECT_EQ(loadIniFile(m_indicators), std::nullopt);
    EXPECT_EQ(m_indicators.info(), "fileExists(TQ5820ini.txt): Err 27. File too large");
    EXPECT_EQ(readPersistedFile(kIniFileName), std::nullopt);
}

}  // namespace
}  // namespace tq::persist
