// The extended CAT commands inside the whole program, in virtual time: a
// transmit request keys through the panel's latch, and VFO B follows the
// software only while receiving.
#include <gtest/gtest.h>

#include <QPushButton>

#include "ProgramHarness.h"
#include "support/PanelLookup.h"
#include "ui/main/StepButton.h"

using tq::test::ProgramHarness;

namespace {

class ExtendedCat : public ::testing::Test {
protected:
    void SetUp() override {
        h.writeFile(QStringLiteral("CATSetup.txt"),
                    QStringLiteral("2\r\n9600,N,8,1\r\ncomNone\r\nTS-2000\r\n"));
        h.writeFile(QStringLiteral("StationLinks.txt"),
                    QStringLiteral("1\r\n0\r\n127.0.0.1\r\n4532\r\n"));
        ASSERT_TRUE(h.runUntil([&] {
            return h.program->model().controlMode() == tq::panel::ControlMode::Remote &&
                   h.formLoad->stage() == tq::app::Stage::MainLoop;
        }));
        ASSERT_TRUE(h.catPort.isOpen());
    }

    /// Station software sends a batch; the replies the program wrote while
    /// it served it.
    QStringList ask(const QString& batch) {
        h.catPort.clearLog();
        h.catPort.receive(batch);
        h.catPort.fire(tq::link::CommEvent::kReceiveThreshold);
        h.runFor(1.0);
        QStringList replies;
        for (const QString& line : h.catPort.log()) {
            if (line.startsWith(QStringLiteral("write "))) {
                replies << line.mid(6);
            }
        }
        return replies;
    }

    bool radioKeyed() { return h.port.radio().settings().keyed(); }
    QString vfoB() { return h.program->model().vfoB(); }

    ProgramHarness h;
};

TEST_F(ExtendedCat, TransmitKeysThroughThePanelLatchAndVfoBWaitsForReceive) {
    EXPECT_TRUE(ask(QStringLiteral("FA00007074000;TX;")).isEmpty());
    h.runFor(1.0);
    EXPECT_TRUE(radioKeyed());
    EXPECT_TRUE(h.program->model().xmitActive());
    EXPECT_EQ(tq::test::control<QPushButton>(*h.program->window, QStringLiteral("cmdXmit"))->text(),
              QStringLiteral("&XMT OFF"));
    const QStringList info = ask(QStringLiteral("IF;"));
    ASSERT_EQ(info.size(), 1);
    EXPECT_EQ(info[0].mid(2, 11), QStringLiteral("00007074000"));
    EXPECT_EQ(info[0].at(28), u'1');
    // No retuning VFO B while it may hold the frequency to return to.
    const QString before = vfoB();
    EXPECT_EQ(ask(QStringLiteral("FB00007080000;")), QStringList{QStringLiteral("?;")});
    EXPECT_EQ(vfoB(), before);

    EXPECT_TRUE(ask(QStringLiteral("RX;")).isEmpty());
    h.runFor(1.0);
    EXPECT_FALSE(radioKeyed());
    EXPECT_FALSE(h.program->model().xmitActive());
    EXPECT_EQ(ask(QStringLiteral("FB00007080000;FB;")),
              QStringList{QStringLiteral("FB00007080000;")});
    EXPECT_EQ(vfoB(), QStringLiteral("0708000"));
}

}  // namespace
