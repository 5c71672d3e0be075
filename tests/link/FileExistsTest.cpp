#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CurrentDirectory.h"
#include "QStringPrinter.h"
#include "RecordingIndicators.h"
#include "link/FileExists.h"
#include "link/RegularFile.h"

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

// Special files that a settings file name may turn into by mistake (or
// malice); none of them holds settings, and a FIFO would wait for a writer.
bool makeFifo(const QString& name) {
    return ::mkfifo(QFile::encodeName(name).constData(), 0600) == 0;
}

bool makeSocket(const QString& name) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(name).constData(),
                 sizeof(address.sun_path) - 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

bool makeDevice(const QString& name) {
    return QFile::link(QStringLiteral("/dev/null"), name);
}

// A sparse file: its size is what matters, and it costs no disk.
bool makeFileOf(const QString& name, qint64 size) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

TEST_F(LinkFileExists, OnlyRegularFilesWithinTheSizeLimitAreOpenedAndNothingWaits) {
    struct Case {
        const char* what;
        std::function<bool(const QString&)> make;
        qint64 sizeLimit;
        const char* report;  // nullptr: the file is read
    };
    const Case cases[] = {
        {"FIFO", makeFifo, kFileSizeLimit, "Err 6. Not a regular file"},
        {"socket", makeSocket, kFileSizeLimit, "Err 6. Not a regular file"},
        {"device", makeDevice, kFileSizeLimit, "Err 6. Not a regular file"},
        {"oversized file", [](const QString& n) { return makeFileOf(n, kFileSizeLimit + 1); },
         kFileSizeLimit, "Err 27. File too large"},
        {"file at the limit", [](const QString& n) { return makeFileOf(n, kFileSizeLimit); },
         kFileSizeLimit, nullptr},
        {"oversized marker", [](const QString& n) { return makeFileOf(n, kFileSizeLimit + 1); },
         kAnyFileSize, nullptr},
    };
    for (const Case& c : cases) {
        const QString name = QStringLiteral("TQ5820ini.txt");
        QFile::remove(name);
        ASSERT_TRUE(c.make(name)) << c.what;
        const bool exists = fileExists(name, m_indicators, c.sizeLimit);
        // The readers refuse exactly what the probe refuses, at once.
        const auto read = readRegularFile(name, std::min(c.sizeLimit, kFileSizeLimit + 1));
        if (c.report == nullptr) {
            EXPECT_TRUE(exists) << c.what;
            EXPECT_TRUE(std::holds_alternative<QByteArray>(read)) << c.what;
            continue;
        }
        const QString report = QStringLiteral("fileExists(TQ5820ini.txt): ") + c.report;
        EXPECT_FALSE(exists) << c.what;
        EXPECT_EQ(m_indicators.info(), report) << c.what;
        ASSERT_TRUE(std::holds_alternative<FileFailure>(read)) << c.what;
        EXPECT_EQ(std::get<FileFailure>(read).report(QStringLiteral("fileExists(TQ5820ini.txt)")),
                  report)
            << c.what;
    }
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
