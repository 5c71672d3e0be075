#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "link/FileExists.h"
#include "link/RegularFile.h"
#include "support/CurrentDirectory.h"
#include "support/QStringPrinter.h"
#include "support/RecordingLinkIndicators.h"

namespace tq::link {
namespace {

// What a settings file name may turn out to be: none but a regular file of
// sane size holds settings, and a FIFO would wait for a writer.
bool makeFileOf(const QString& name, qint64 size) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.resize(size);  // sparse: costs no disk
}

TEST(LinkFileExists, OnlyReadableRegularFilesWithinTheSizeLimitCountAndNothingWaits) {
    QTemporaryDir dir;
    const CurrentDirectory current(dir.path());
    struct Case {
        const char* what;
        std::function<bool(const QString&)> make;
        const char* report;  // nullptr: the file is read
        qint64 sizeLimit = kFileSizeLimit;
        bool asRoot = true;  // root reads every file
    };
    const auto sized = [](qint64 size) {
        return [size](const QString& name) { return makeFileOf(name, size); };
    };
    const Case cases[] = {
        {"zero bytes", sized(0), nullptr},
        {"file at the limit", sized(kFileSizeLimit), nullptr},
        {"oversized marker", sized(kFileSizeLimit + 1), nullptr, kAnyFileSize},
        {"oversized file", sized(kFileSizeLimit + 1), "Err 27. File too large"},
        {"missing", [](const QString&) { return true; }, "Err 2. No such file or directory"},
        {"directory", [](const QString& n) { return QDir().mkdir(n); }, "Err 21. Is a directory"},
        {"FIFO", [](const QString& n) { return ::mkfifo(QFile::encodeName(n), 0600) == 0; },
         "Err 6. Not a regular file"},
        {"device", [](const QString& n) { return QFile::link(QStringLiteral("/dev/null"), n); },
         "Err 6. Not a regular file"},
        {"unreadable",
         [](const QString& n) {
             return makeFileOf(n, 9) && QFile::setPermissions(n, QFileDevice::WriteOwner);
         },
         "Err 13. Permission denied", kFileSizeLimit, false},
    };
    for (const Case& c : cases) {
        if (!c.asRoot && ::geteuid() == 0) {
            continue;
        }
        const QString name = QString::fromLatin1(c.what).replace(u' ', u'_');
        ASSERT_TRUE(c.make(name)) << c.what;
        RecordingLinkIndicators indicators;
        // Whatever an earlier step left in the box.
        indicators.setInfo(QStringLiteral("Querying radio status"), false);
        const bool exists = fileExists(name, indicators, c.sizeLimit);
        // The readers refuse exactly what the probe refuses, at once.
        const auto read = readRegularFile(name, std::min(c.sizeLimit, kFileSizeLimit + 1));
        EXPECT_TRUE(indicators.infoVisible()) << c.what;
        if (c.report == nullptr) {
            EXPECT_TRUE(exists) << c.what;
            EXPECT_EQ(indicators.shown(), QStringList{QString()}) << c.what;
            EXPECT_TRUE(std::holds_alternative<QByteArray>(read)) << c.what;
            continue;
        }
        const QString where = QStringLiteral("fileExists(%1)").arg(name);
        const QString report = where + QStringLiteral(": ") + QString::fromLatin1(c.report);
        EXPECT_FALSE(exists) << c.what;
        EXPECT_EQ(indicators.shown(), (QStringList{QString(), report})) << c.what;
        ASSERT_TRUE(std::holds_alternative<FileFailure>(read)) << c.what;
        EXPECT_EQ(std::get<FileFailure>(read).report(where), report) << c.what;
    }
}

}  // namespace
}  // namespace tq::link
