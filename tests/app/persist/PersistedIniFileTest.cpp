#include <gtest/gtest.h>

#include <QDir>

#include "app/persist/DataDirectoryTest.h"
#include "app/persist/FileSizeLimit.h"
#include "app/persist/IniFile.h"
#include "app/persist/PersistedPermissions.h"
#include "app/persist/ReadOnlyDirectory.h"

namespace tq::app {
namespace {

const QByteArray kEarlierFile = " 100 \r\n 200 \r\n0700000\r\nLSB\r\nSplit On\r\nOFF\r\n";
const PersistedState kState{-1935,
                            4320,
                            QStringLiteral("2999999"),
                            QStringLiteral("CW"),
                            QStringLiteral("Split On"),
                            QStringLiteral("OFF")};

using PersistedIniFile = test::DataDirectoryTest;

TEST_F(PersistedIniFile, SavedStateIsLoadedBackAtTheNextStart) {
    EXPECT_EQ(loadIniFile(m_indicators), std::nullopt);
    EXPECT_EQ(m_indicators.info(),
              QStringLiteral("fileExists(TQ5820ini.txt): Err 2. No such file or directory"));
    writeFile(kIniFileName, kEarlierFile);
    EXPECT_EQ(saveIniFile(kState), std::nullopt);
    EXPECT_EQ(fileBytes(kIniFileName), "-1935 \r\n 4320 \r\n2999999\r\nCW\r\nSplit On\r\nOFF\r\n");
    EXPECT_EQ(loadIniFile(m_indicators), kState);
}

TEST_F(PersistedIniFile, ReadOnlyDirectoryIsReportedAndTheEarlierFileStays) {
    writeFile(kIniFileName, kEarlierFile);
    std::optional<PersistedFileError> failure;
    {
        test::ReadOnlyDirectory readOnly(directory());
        failure = saveIniFile(kState);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->report(kIniFileName),
              QStringLiteral("TQ5820ini.txt: Err 13. Permission denied"));
    EXPECT_EQ(fileBytes(kIniFileName), kEarlierFile);
}

TEST_F(PersistedIniFile, FailureWhileWritingLeavesTheEarlierFileWhole) {
    writeFile(kIniFileName, kEarlierFile);
    std::optional<PersistedFileError> failure;
    {
        test::FileSizeLimit limit(16);  // less than the new file needs
        failure = saveIniFile(kState);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->report(kIniFileName),
              QStringLiteral("TQ5820ini.txt: Err 27. File too large"));
    EXPECT_EQ(fileBytes(kIniFileName), kEarlierFile);
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{kIniFileName});
}

using PersistedPermissions = test::DataDirectoryTest;

TEST_F(PersistedPermissions, ZeroByteMarkerAllowsOutOfBandAndItsRemovalWithdrawsIt) {
    protocol::ProgramFlags flags;
    writeFile(kPermissionsFileName, {});
    EXPECT_TRUE(checkPermissions(flags, m_indicators));
    EXPECT_TRUE(flags.OutOfBandAllowed);
    ASSERT_TRUE(QFile::remove(kPermissionsFileName));
    EXPECT_FALSE(checkPermissions(flags, m_indicators));
    EXPECT_FALSE(flags.OutOfBandAllowed);
}

}  // namespace
}  // namespace tq::app
