#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CurrentDirectory.h"
#include "QStringPrinter.h"
#include "RecordingIndicators.h"
#include "link/FileExists.h"

namespace tq::link {
namespace {

class LinkFileExists : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_current = std::make_unique<CurrentDirectory>(m_dir.path());
        // Whatever an earlier step left in the box.
        m_indicators.setInfo(QStringLiteral("Querying radio status"), false);
    }

    void createFile(const QString& name, const QByteArray& content = {}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    RecordingIndicators m_indicators;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CurrentDirectory> m_current;
};

TEST_F(LinkFileExists, ZeroByteFileExistsAndTheInfoBoxIsEmptiedAndShown) {
    createFile(QStringLiteral("Permissions.txt"));
    EXPECT_TRUE(fileExists(QStringLiteral("Permissions.txt"), m_indicators));
    EXPECT_EQ(m_indicators.info(), QString());
    EXPECT_TRUE(m_indicators.infoVisible());
    EXPECT_EQ(m_indicators.shown(), QStringList{QString()});
}

TEST_F(LinkFileExists, MissingFileIsReportedWithNumberAndDescription) {
    EXPECT_FALSE(fileExists(QStringLiteral("CATSetup.txt"), m_indicators));
    EXPECT_EQ(m_indicators.shown(),
              (QStringList{
                  QString(),
                  QStringLiteral("fileExists(CATSetup.txt): Err 2. No such file or directory")}));
    EXPECT_TRUE(m_indicators.infoVisible());
}

TEST_F(LinkFileExists, DirectoryIsNoFile) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("M20List.txt")));
    EXPECT_FALSE(fileExists(QStringLiteral("M20List.txt"), m_indicators));
    EXPECT_EQ(m_indicators.shown(),
              (QStringList{QString(),
                           QStringLiteral("fileExists(M20List.txt): Err 21. Is a directory")}));
}

TEST_F(LinkFileExists, UnreadableFileIsReported) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    createFile(QStringLiteral("ScanFreqs.txt"), "1420000\r\n");
    ASSERT_TRUE(QFile::setPermissions(QStringLiteral("ScanFreqs.txt"), QFileDevice::WriteOwner));
    EXPECT_FALSE(fileExists(QStringLiteral("ScanFreqs.txt"), m_indicators));
    EXPECT_EQ(m_indicators.info(),
              QStringLiteral("fileExists(ScanFreqs.txt): Err 13. Permission denied"));
}

}  // namespace
}  // namespace tq::link
