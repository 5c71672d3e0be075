#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <functional>
#include <utility>

#include "persist/DataDirectoryTest.h"
#include "persist/FileSizeLimit.h"
#include "persist/IniFile.h"
#include "persist/PersistedFile.h"
#include "persist/PersistedPermissions.h"
#include "persist/ReadOnlyDirectory.h"

namespace tq::app {
namespace {

const QByteArray kEarlierFile = " 100 \r\n 200 \r\n0700000\r\nLSB\r\nSplit On\r\nOFF\r\n";
const tq::persist::PersistedState kState{-1935,
                                         4320,
                                         QStringLiteral("2999999"),
                                         QStringLiteral("CW"),
                                         QStringLiteral("Split On"),
                                         QStringLiteral("OFF")};

using PersistedIniFile = test::DataDirectoryTest;

TEST_F(PersistedIniFile, SavedStateIsLoadedBackAtTheNextStart) {
    EXPECT_EQ(tq::persist::loadIniFile(m_indicators), std::nullopt);
    EXPECT_EQ(m_indicators.info(),
              QStringLiteral("fileExists(TQ5820ini.txt): Err 2. No such file or directory"));
    writeFile(tq::persist::kIniFileName, kEarlierFile);
    EXPECT_EQ(tq::persist::saveIniFile(kState), std::nullopt);
    EXPECT_EQ(fileBytes(tq::persist::kIniFileName),
              "-1935 \r\n 4320 \r\n2999999\r\nCW\r\nSplit On\r\nOFF\r\n");
    EXPECT_EQ(tq::persist::loadIniFile(m_indicators), kState);
}

TEST_F(PersistedIniFile, ReadOnlyDirectoryIsReportedAndTheEarlierFileStays) {
    writeFile(tq::persist::kIniFileName, kEarlierFile);
    std::optional<tq::persist::PersistedFileError> failure;
    {
        test::ReadOnlyDirectory readOnly(directory());
        failure = tq::persist::saveIniFile(kState);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->report(tq::persist::kIniFileName),
              QStringLiteral("TQ5820ini.txt: Err 13. Permission denied"));
    EXPECT_EQ(fileBytes(tq::persist::kIniFileName), kEarlierFile);
}

TEST_F(PersistedIniFile, FailureWhileWritingLeavesTheEarlierFileWhole) {
    writeFile(tq::persist::kIniFileName, kEarlierFile);
    std::optional<tq::persist::PersistedFileError> failure;
    {
        test::FileSizeLimit limit(16);  // less than the new file needs
        failure = tq::persist::saveIniFile(kState);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->report(tq::persist::kIniFileName),
              QStringLiteral("TQ5820ini.txt: Err 27. File too large"));
    EXPECT_EQ(fileBytes(tq::persist::kIniFileName), kEarlierFile);
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{tq::persist::kIniFileName});
}

TEST_F(PersistedIniFile, FifoOrOversizedFileIsRefusedAtOnceAndUnread) {
    const auto fifo = [] {
        return ::mkfifo(QFile::encodeName(tq::persist::kIniFileName).constData(), 0600) == 0;
    };
    // 50 MB, sparse: only its size is looked at.
    const auto oversized = [] {
        QFile file(tq::persist::kIniFileName);
        return file.open(QIODevice::WriteOnly) && file.resize(50 * 1024 * 1024);
    };
    const std::pair<std::function<bool()>, const char*> cases[] = {
        {fifo, "fileExists(TQ5820ini.txt): Err 6. Not a regular file"},
        {oversized, "fileExists(TQ5820ini.txt): Err 27. File too large"},
    };
    for (const auto& [make, report] : cases) {
        QFile::remove(tq::persist::kIniFileName);
        ASSERT_TRUE(make()) << report;
        EXPECT_EQ(tq::persist::loadIniFile(m_indicators), std::nullopt) << report;
        EXPECT_EQ(m_indicators.info(), QString::fromLatin1(report));
        EXPECT_EQ(tq::persist::readPersistedFile(tq::persist::kIniFileName), std::nullopt)
            << report;
    }
}

using PersistedPermissions = test::DataDirectoryTest;

TEST_F(PersistedPermissions, ZeroByteMarkerAllowsOutOfBandAndItsRemovalWithdrawsIt) {
    writeFile(tq::persist::kPermissionsFileName, {});
    EXPECT_TRUE(tq::persist::checkPermissions(m_indicators));
    ASSERT_TRUE(QFile::remove(tq::persist::kPermissionsFileName));
    EXPECT_FALSE(tq::persist::checkPermissions(m_indicators));
}

}  // namespace
}  // namespace tq::app
