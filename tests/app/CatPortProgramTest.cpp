// The CAT port in the whole program, in virtual time: left closed when it is
// missing; with the extended commands on, TX; keys through the panel's latch
// and VFO B follows station software in receive.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRegularExpression>

#include "ProgramHarness.h"

using tq::test::ProgramHarness;

namespace {

class CatPort : public ::testing::Test {
protected:
    void startWith(const char* catSetup, bool extended = false) {
        h.writeFile("CATSetup.txt", QString::fromLatin1(catSetup));
        h.writeFile("StationLinks.txt",
                    QStringLiteral("%1\r\n0\r\n127.0.0.1\r\n4532\r\n").arg(int(extended)));
        ASSERT_TRUE(h.runToMainLoop());
    }

    /// The replies to a batch from station software.
    QStringList ask(const QString& batch) {
        h.catPort.clearLog();
        h.catPort.receive(batch);
        h.catPort.fire(tq::link::CommEvent::kReceiveThreshold);
        h.runFor(1.0);
        return h.catPort.log().filter(QRegularExpression("^write ")).replaceInStrings("write ", "");
    }

    ProgramHarness h;
};

TEST_F(CatPort, MissingPortLeavesTheProgramWithoutCat) {
    startWith("COM2\r\n9600,N,8,1\r\ncomNone\r\nKenwood\r\n");
    EXPECT_FALSE(h.catPort.isOpen());
    EXPECT_EQ(h.ui<QLineEdit>("txtInCat")->text(), QStringLiteral("No CAT Port"));
    EXPECT_EQ(h.ui<QLineEdit>("txtOutCAT")->text(), QStringLiteral("No CAT Port"));
}

TEST_F(CatPort, ExtendedTransmitKeysThroughThePanelLatchAndVfoBFollowsInReceive) {
    startWith("2\r\n9600,N,8,1\r\ncomNone\r\nTS-2000\r\n", true);
    ASSERT_TRUE(h.catPort.isOpen());
    EXPECT_TRUE(ask(QStringLiteral("FA00007074000;TX;")).isEmpty());
    h.runFor(1.0);
    EXPECT_TRUE(h.port.radio().settings().keyed());
    const QStringList info = ask(QStringLiteral("IF;"));
    ASSERT_EQ(info.size(), 1);
    EXPECT_EQ(info[0].mid(2, 11), QStringLiteral("00007074000"));
    EXPECT_EQ(info[0].at(28), u'1');
    EXPECT_TRUE(ask(QStringLiteral("RX;")).isEmpty());
    h.runFor(1.0);
    EXPECT_FALSE(h.port.radio().settings().keyed() || h.program->model().xmitActive());
    EXPECT_EQ(ask(QStringLiteral("FB00007080000;FB;")),
              QStringList{QStringLiteral("FB00007080000;")});
    EXPECT_EQ(h.program->model().vfoB(), QStringLiteral("0708000"));
}

}  // namespace
