// A pulled USB adapter, for the radio and for the CAT port, against the real
// tq5820: the program says which device it waits for, station software is
// told the truth meanwhile, and the port is opened again when the device
// comes back behind the same name.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "support/CoreApplication.h"
#include "support/ProgramProcess.h"
#include "support/PtyPair.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kLimitMs = 10000;

/// The CAT adapter: a pseudo-terminal behind a stable link, so it can be
/// pulled (its far end closed, the link gone) and plugged in again.
class CatAdapter {
public:
    explicit CatAdapter(QString link) : m_link(std::move(link)) { plugIn(); }
    void plugIn() {
        m_pty = std::make_unique<tq::link::PtyPair>();
        QFile::remove(m_link);
        QFile::link(m_pty->slaveName(), m_link);
    }
    void pull() {
        m_pty->closeMaster();
        QFile::remove(m_link);
    }
    /// Station software sends a batch; the reply, when one comes.
    QString ask(const QByteArray& batch, int replyLength) {
        m_pty->send(batch);
        return QString::fromLatin1(m_pty->receive(replyLength, 2000));
    }
    QString link() const { return m_link; }

private:
    QString m_link;
    std::unique_ptr<tq::link::PtyPair> m_pty;
};

class Unplug : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        m_run = std::make_unique<tq::test::ProgramProcess>(tq::test::ProgramProcess::Options{
            .simArguments = {QStringLiteral("--log-received")}, .catDevice = m_cat.link()});
        ASSERT_TRUE(m_run->ready());
        ASSERT_TRUE(m_run->startToMainLoop(kStartLimitMs)) << m_run->output().toStdString();
    }

    QTemporaryDir m_dir;
    CatAdapter m_cat{m_dir.filePath(QStringLiteral("cat"))};
    std::unique_ptr<tq::test::ProgramProcess> m_run;
};

TEST_F(Unplug, TheRadioAdapterIsWaitedForAndOpenedAgainStartingUnkeyed) {
    ASSERT_EQ(m_cat.ask("FA;", 14), QStringLiteral("FA00014200000;"));
    m_run->sim().stop();
    ASSERT_TRUE(m_run->waitForOutput(QStringLiteral("Radio port lost: "), kLimitMs))
        << m_run->output().toStdString();
    // Meanwhile reads answer from what the radio said last; a set is not
    // taken, as a radio switched off would not take it.
    EXPECT_EQ(m_cat.ask("FA00007074000;FA;", 14), QStringLiteral("FA00014200000;"));

    ASSERT_TRUE(m_run->restartSim());
    ASSERT_TRUE(m_run->waitForOutput(QStringLiteral("Radio port back: "), kLimitMs))
        << m_run->output().toStdString();
    ASSERT_TRUE(m_run->sim().waitForOutput(QStringLiteral("rx U"), kLimitMs));
    const QString heard = m_run->sim().output();
    EXPECT_FALSE(heard.left(heard.indexOf(QStringLiteral("rx U"))).contains(u'K'))
        << "the first sync character after the link came back is U";
    EXPECT_EQ(m_run->output().count(QStringLiteral("Radio port lost: ")), 1)
        << "one line per change of state";
    EXPECT_EQ(m_cat.ask("FA;", 14), QStringLiteral("FA00014200000;"));
}

TEST_F(Unplug, TheCatAdapterIsOpenedAgainWhenItComesBack) {
    ASSERT_EQ(m_cat.ask("MD;", 4), QStringLiteral("MD2;"));
    // Pulled and plugged in again: the program notices the hang-up and
    // finds the adapter behind the same name.
    m_cat.pull();
    m_cat.plugIn();
    QString reply;
    for (int attempt = 0; attempt < 10 && reply.isEmpty(); ++attempt) {
        reply = m_cat.ask("MD;", 4);
    }
    EXPECT_EQ(reply, QStringLiteral("MD2;")) << m_run->output().toStdString();
}

}  // namespace
