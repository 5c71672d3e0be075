// A pulled USB adapter, for the radio and for the CAT port, against the real
// tq5820: the program says which device it waits for, station software is
// told the truth meanwhile, and the port is opened again when the device
// comes back behind the same name.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/CoreApplication.h"
#include "support/ProgramProcess.h"
#include "support/PtyPair.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kLimitMs = 10000;

/// A pseudo-terminal behind a stable link, to be pulled and plugged in again.
struct CatAdapter {
    QString link;
    std::unique_ptr<tq::link::PtyPair> pty;

    void plugIn() {
        pty = std::make_unique<tq::link::PtyPair>();
        QFile::remove(link);
        QFile::link(pty->slaveName(), link);
    }
    void pull() {
        pty->closeMaster();
        QFile::remove(link);
    }
    /// Station software sends a batch; the reply, when one comes.
    QString ask(const QByteArray& batch, int replyLength) {
        pty->send(batch);
        return QString::fromLatin1(pty->receive(replyLength, 2000));
    }
};

TEST(Unplug, EitherAdapterIsWaitedForAndOpenedAgainTheRadioStartingUnkeyed) {
    tq::test::ensureCoreApplication();
    QTemporaryDir dir;
    CatAdapter cat{dir.filePath(QStringLiteral("cat")), nullptr};
    cat.plugIn();
    tq::test::ProgramProcess run(
        {.simArguments = {QStringLiteral("--log-received")}, .catDevice = cat.link});
    ASSERT_TRUE(run.ready());
    ASSERT_TRUE(run.startToMainLoop(kStartLimitMs)) << run.output().toStdString();
    ASSERT_EQ(cat.ask("FA;", 14), QStringLiteral("FA00014200000;"));
    run.sim().stop();
    ASSERT_TRUE(run.waitForOutput(QStringLiteral("Radio port lost: "), kLimitMs))
        << run.output().toStdString();
    // Meanwhile reads answer from what the radio said last; a set is not
    // taken, as a radio switched off would not take it.
    EXPECT_EQ(cat.ask("FA00007074000;FA;", 14), QStringLiteral("FA00014200000;"));

    ASSERT_TRUE(run.restartSim());
    ASSERT_TRUE(run.waitForOutput(QStringLiteral("Radio port back: "), kLimitMs))
        << run.output().toStdString();
    ASSERT_TRUE(run.sim().waitForOutput(QStringLiteral("rx U"), kLimitMs));
    const QString heard = run.sim().output();
    EXPECT_FALSE(heard.left(heard.indexOf(QStringLiteral("rx U"))).contains(u'K'))
        << "the first sync character after the link came back is U";
    EXPECT_EQ(run.output().count(QStringLiteral("Radio port lost: ")), 1)
        << "one line per change of state";
    EXPECT_EQ(cat.ask("MD;", 4), QStringLiteral("MD2;"));

    // The CAT adapter pulled and plugged in again: the program notices the
    // hang-up and finds the adapter behind the same name.
    cat.pull();
    cat.plugIn();
    QString reply;
    for (int attempt = 0; attempt < 10 && reply.isEmpty(); ++attempt)
        reply = cat.ask("FA;", 14);
    EXPECT_EQ(reply, QStringLiteral("FA00014200000;")) << run.output().toStdString();
}

}  // namespace
