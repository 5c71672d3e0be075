// Network rig control inside the whole program, in virtual time: the
// transmit latch keeps the panel's tune and split checks, a dropped client
// never leaves the radio keyed, and the links dialog moves the server at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpSocket>

#include "ProgramHarness.h"
#include "sim/RadioSettings.h"
#include "support/ProgramProcess.h"

using tq::sim::Setting;
using tq::test::ProgramHarness;
using tq::test::ProgramProcess;

namespace {

class NetworkRigControl : public ::testing::Test {
protected:
    void SetUp() override {
        h.writeFile(QStringLiteral("StationLinks.txt"),
                    QStringLiteral("0\r\n1\r\n127.0.0.1\r\n%1\r\n").arg(port));
        ASSERT_TRUE(h.runToMainLoop());
        client.connectToHost(QHostAddress::LocalHost, port);
        ASSERT_TRUE(client.waitForConnected(5000));
        h.runUntil([&] { return h.program->stationSoftware->server().clientCount() == 1; }, 1.0);
    }

    // Sends lines and lets the program run until they are answered.
    std::string ask(const QByteArray& lines) {
        client.write(lines);
        client.flush();
        QByteArray reply;
        h.runUntil([&] { return (reply += client.readAll()).count("RPRT") >= lines.count('\n'); },
                   10.0);
        return reply.toStdString();
    }

    bool keyed() { return h.port.radio().settings().keyed() || h.program->model().xmitActive(); }

    ProgramHarness h;
    quint16 port = ProgramProcess::freePort();
    QTcpSocket client;
};

TEST_F(NetworkRigControl, NoRetuningWhileKeyedAndADroppedClientUnkeys) {
    EXPECT_EQ(ask("F 7074000\n+f\n"), "RPRT 0\nget_freq:\nFrequency: 7074000\nRPRT 0\n")
        << "an accepted set reads as its new value at once";
    EXPECT_EQ(ask("T 1\n"), "RPRT 0\n");
    h.runFor(1.0);
    EXPECT_TRUE(h.port.radio().settings().keyed());
    EXPECT_EQ(ask("F 7075000\n"), "RPRT -9\n");
    EXPECT_EQ(h.port.radio().settings().get(Setting::Frequency), 707400);
    client.abort();
    h.runFor(1.0);
    EXPECT_FALSE(keyed());
}

TEST_F(NetworkRigControl, TransmitIsRefusedWhereThePanelWouldNotTransmit) {
    // Split with VFO B outside the bands: nothing keyed, nothing exchanged.
    EXPECT_EQ(ask("F 7074000\n"), "RPRT 0\n");
    h.runFor(0.5);
    h.program->model().split.set(tq::panel::Split::On);
    h.program->model().vfoB.set(QStringLiteral("0600000"));
    EXPECT_EQ(ask("T 1\n"), "RPRT -9\n");
    EXPECT_EQ(h.port.radio().settings().get(Setting::Frequency), 707400);
    h.program->model().split.set(tq::panel::Split::Off);
    // While tune holds the transmitter.
    h.program->panel->requests().raise(tq::panel::PanelRequest::cmdTune);
    h.runFor(2.0);
    ASSERT_EQ(h.ui<QPushButton>("cmdTune")->text(), "T&UNE OFF");
    EXPECT_EQ(ask("T 2\n"), "RPRT -9\n");
    h.program->panel->requests().raise(tq::panel::PanelRequest::cmdTune);
    h.runFor(4.0);
    EXPECT_FALSE(keyed());
}

TEST_F(NetworkRigControl, TheLinksDialogMovesTheServerAtOnceAndKeepsTheSettings) {
    const quint16 newPort = ProgramProcess::freePort();
    bool badPortRefused = false;
    h.clock.schedule(0.1, [&] {
        auto* dialog = qobject_cast<QWidget*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* portText = dialog->findChild<QLineEdit*>(QStringLiteral("txtPort"));
        auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("cmdApply"));
        auto* status = dialog->findChild<QLabel*>(QStringLiteral("lblStatus"));
        EXPECT_EQ(status->text(),
                  QStringLiteral("Network rig control listening on 127.0.0.1:%1").arg(port));
        portText->setText(QStringLiteral("70000"));
        apply->click();
        badPortRefused = h.program->stationSoftware->server().serverPort() == port;
        portText->setText(QString::number(newPort));
        dialog->findChild<QCheckBox*>(QStringLiteral("chkExtendedCat"))->setChecked(true);
        apply->click();
        dialog->close();
    });
    QStringList announced;  // printed for whoever started the program with --rigctld
    h.program->announce = [&](const QString& text) { announced << text; };
    h.ui<QAction>("mnuLinkSetup")->trigger();
    EXPECT_TRUE(badPortRefused);
    EXPECT_EQ(announced.join(u'|'),
              QStringLiteral("Network rig control listening on 127.0.0.1:%1").arg(newPort));
    EXPECT_TRUE(h.readFile(QStringLiteral("StationLinks.txt"))
                    .startsWith(QStringLiteral("1\r\n1\r\n127.0.0.1\r\n%1\r\n").arg(newPort)));
    EXPECT_EQ(h.program->stationSoftware->server().serverPort(), newPort);
    EXPECT_TRUE(client.state() == QAbstractSocket::UnconnectedState ||
                client.waitForDisconnected(5000))
        << "clients of the old address are dropped";
}

}  // namespace
