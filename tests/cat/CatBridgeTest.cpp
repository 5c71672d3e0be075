// The CAT bridge on a scripted port in virtual time, the gateway as the main
// loop left it.
#include <gtest/gtest.h>

#include "cat/CatBridge.h"
#include "cat/CatPanel.h"
#include "link/PortFailure.h"
#include "panel/StationGateway.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedPort.h"
#include "support/TestClock.h"

namespace tq::cat {
namespace {

/// The CAT port as station software's end of the line: what it sends
/// arrives at once and the port reports it as the device would.
class StationPort : public test::ScriptedPort {
public:
    using ScriptedPort::ScriptedPort;
    void receive(const QString& text) { arriveAfter(0, text); }
    void fire(int code) { raiseEvent(code); }
};

class RecordingPanel : public CatPanel {
public:
    void showCatInput(const QString& text) override { input = text; }
    void showCatOutput(const QString& text) override { output = text; }
    void setComStat(const QString& caption) override { comStat = caption; }

    QString input;
    QString output;
    QString comStat;
};

class CatBridgeTest : public ::testing::Test {
protected:
    CatBridgeTest() {
        radio.frequency = QStringLiteral("1420000");
        radio.mode = QStringLiteral("M2");
        radio.digitalMode = QStringLiteral("OFF");
        radio.vfoB = QStringLiteral("0707400");
        radio.transmit.remoteControl = true;
        radio.transmit.radioReachable = true;
        gateway.publish(radio);
        setup.CatPortNumber = QStringLiteral("4");
        setup.CatPortSettings = QStringLiteral("4800 ,N, 8, 1");
        catPort.setEventHandler([this](int) { bridge.MSComm2_OnComm(); });
    }

    /// Station software sends a batch; the replies it got back.
    QStringList exchange(const QString& text) {
        catPort.receive(text);
        catPort.fire(link::CommEvent::kReceiveThreshold);
        QStringList sent;
        for (const auto& write : catPort.writes) {
            sent << write.text;
        }
        catPort.writes.clear();
        return sent;
    }

    test::TestClock clock;
    StationPort catPort{clock};
    RecordingPanel panel;
    panel::StationView radio;
    panel::StationGateway gateway;
    CatPortSetup setup;
    CatBridge bridge{catPort, clock, panel, gateway};
};

TEST_F(CatBridgeTest, ConfigureOpensThePortWithAnEventAfterThreeCharactersAndNoStaleInput) {
    catPort.arriveAfter(0, QStringLiteral("stale"));
    for (const char* handshake : {"COMRTSXONXOFF", "comXonXoff"}) {
        setup.CatPortHandshake = QString::fromLatin1(handshake);
        bridge.ConfigureCatPort(setup);  // the second time over an open port
        ASSERT_TRUE(catPort.isOpen());
    }
    EXPECT_EQ(catPort.portNumber(), 4);
    EXPECT_EQ(catPort.settings(), QStringLiteral("4800 ,N, 8, 1"));
    EXPECT_EQ(catPort.handshaking(), link::Handshaking::None);
    EXPECT_EQ(catPort.bufferOptions().receiveThreshold, 3);
    EXPECT_EQ(catPort.bytesToRead(), 0) << "what waited before is no request";
    // Neither a path nor a number: refused, nothing opened.
    setup.CatPortNumber = QStringLiteral("dev/ttyUSB1");
    EXPECT_THROW(bridge.ConfigureCatPort(setup), link::PortFailure);
    EXPECT_FALSE(catPort.isOpen());
}

TEST_F(CatBridgeTest, ABatchIsAnsweredAtOnceAfterItsPauseAndSetsWaitForTheMainLoop) {
    bridge.ConfigureCatPort(setup);
    // The rest of the batch arrives within the receive pause; what comes
    // after the pause is the next batch, even while the first is answered.
    for (const auto& [at, text] : {std::pair{0.010, "MD;"}, {0.020, "FA;"}}) {
        clock.schedule(at, [this, text] {
            catPort.receive(QLatin1String(text));
            catPort.fire(link::CommEvent::kReceiveThreshold);
        });
    }
    EXPECT_EQ(exchange(QStringLiteral("FA;")), QStringList({"FA00014200000;", "MD1;"}));
    EXPECT_EQ(panel.input, QStringLiteral("FA;MD;"));
    EXPECT_EQ(panel.output, QStringLiteral("MD1;"));
    EXPECT_EQ(exchange(QString()), QStringList{"FA00014200000;"});

    // Sets go to the gateway; a read after a set reports what was asked for,
    // and a newer set of a setting replaces the older one still waiting.
    EXPECT_EQ(exchange(QStringLiteral("FA00107074000;FA00007074000;FA00003573000;MD3;FA;MD;")),
              QStringList({"FA00003573000;", "MD3;"}));
    const auto sets = gateway.takeSets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].value, QStringLiteral("0357300"));
    EXPECT_EQ(sets[1].value, QStringLiteral("M4"));
    gateway.carriedOut();

    // Nothing true to report: no reply; a digital mode answers for itself.
    radio.frequency.clear();
    radio.digitalMode = QStringLiteral("RTTY");
    gateway.publish(radio);
    EXPECT_EQ(exchange(QStringLiteral("FA;MD;")), QStringList{"MD6;"});
}

TEST_F(CatBridgeTest, PortTroubleShowsInTheStatusLabelOrTheBoxes) {
    bridge.ConfigureCatPort(setup);
    for (const auto& [code, caption] :
         {std::pair{link::CommEvent::kFramingError, "Com2 Error"}, {link::CommEvent::kBreak, ""}}) {
        SCOPED_TRACE(code);
        panel.comStat.clear();
        catPort.fire(code);
        EXPECT_EQ(panel.comStat, QString::fromLatin1(caption));
    }

    // Software that never reads its replies cannot hold the program up:
    // what does not fit the transmit buffer is dropped and reported.
    catPort.stuckOutgoingBytes = CatBridge::kTransmitBufferSize - 10;
    EXPECT_TRUE(
        exchange(QStringLiteral("FA;").repeated(CatBridge::kReceiveBufferSize / 3)).isEmpty());
    EXPECT_EQ(panel.comStat, QStringLiteral("Com2 Error"));
}

TEST_F(CatBridgeTest, OnlyTheExtendedCommandsAnswerARefusedSetAndNoiseNeverKeys) {
    bridge.ConfigureCatPort(setup);
    bridge.setExtended(true);
    EXPECT_EQ(exchange(QString::fromLatin1("\x13\xfe;TX;", 6)), QStringList({"?;", "?;"}));
    EXPECT_FALSE(gateway.setsWaiting());
    // Keyed, neither frequency moves; the plain set says nothing.
    EXPECT_TRUE(exchange(QStringLiteral("TX;")).isEmpty());
    EXPECT_EQ(exchange(QStringLiteral("FA00007074000;FB00007080000;")), QStringList{"?;"});
    gateway.takeSets();
    gateway.carriedOut();
    // With the radio port lost, reads are still answered and sets dropped.
    radio.radioLost = true;
    gateway.publish(radio);
    EXPECT_EQ(exchange(QStringLiteral("FA00007074000;TX;FA;")), QStringList{"FA00014200000;"});
    EXPECT_FALSE(gateway.setsWaiting());
}

}  // namespace
}  // namespace tq::cat
