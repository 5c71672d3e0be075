// The CAT bridge between station software and the radio, both scripted ports
// in virtual time.
#include <gtest/gtest.h>

#include "cat/CatBridge.h"
#include "cat/CatPanel.h"
#include "cat/CatRig.h"
#include "link/PortFailure.h"
#include "link/QStringPrinter.h"
#include "protocol/LinkFixture.h"
#include "protocol/ProgramFlags.h"

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
    QString catOutput() const override { return output; }
    void setComStat(const QString& caption) override { comStat = caption; }
    QString digitalMode() const override { return digital; }

    QString input;
    QString output;
    QString comStat;
    QString digital = QStringLiteral("OFF");
};

class CatBridgeTest : public test::LinkFixture {
protected:
    CatBridgeTest() {
        state.FreqReply = QStringLiteral("F1420000");
        state.ModeReply = QStringLiteral("M2");
        state.FirmwareType = static_cast<tq::protocol::Firmware>(2);
        setup.CatPortNumber = QStringLiteral("4");
        setup.CatPortSettings = QStringLiteral("4800 ,N, 8, 1");
        catPort.setEventHandler([this](int) { bridge.MSComm2_OnComm(); });
    }

    /// Station software sends text; the port reports it as one batch.
    void stationSends(const QString& text) {
        catPort.receive(text);
        catPort.fire(link::CommEvent::kReceiveThreshold);
    }

    /// The replies station software has received since the last call.
    QStringList replies() {
        QStringList sent;
        for (const auto& write : catPort.writes) {
            sent << write.text;
        }
        catPort.writes.clear();
        return sent;
    }

    StationPort catPort{clock};
    RecordingPanel panel;
    protocol::ProgramFlags flags;
    CatPortSetup setup;
    CatBridge bridge{catPort, clock, panel, state, commands, flags, setup};
};

TEST_F(CatBridgeTest, ConfigureReopensTheSavedPortWithAnEventAfterThreeCharacters) {
    catPort.arriveAfter(0, QStringLiteral("stale"));
    for (const char* handshake : {"COMRTSXONXOFF", "comXonXoff"}) {
        setup.CatPortHandshake = QString::fromLatin1(handshake);
        flags.CatPortChanged = true;
        bridge.ConfigureCatPort();  // the second time over an open port
        ASSERT_TRUE(catPort.isOpen());
        EXPECT_FALSE(flags.CatPortChanged);
    }
    EXPECT_EQ(catPort.portNumber(), 4);
    EXPECT_EQ(catPort.settings(), QStringLiteral("4800 ,N, 8, 1"));
    EXPECT_EQ(catPort.handshaking(), link::Handshaking::None);
    EXPECT_EQ(catPort.bufferOptions().receiveThreshold, 3);
    EXPECT_EQ(catPort.bufferOptions().transmitBufferSize, 256);
    EXPECT_EQ(catPort.bytesToRead(), 0) << "what waited before is no request";

    // A port number that is no number fails to the caller, request kept.
    catPort.close();
    setup.CatPortNumber = QStringLiteral("x");
    flags.CatPortChanged = true;
    EXPECT_THROW(bridge.ConfigureCatPort(), link::PortFailure);
    EXPECT_TRUE(flags.CatPortChanged);
}

#ifndef Q_OS_WIN
TEST_F(CatBridgeTest, ATypedDevicePathOpensThatDeviceAndANumberAgainItsPort) {
    setup.CatPortNumber = QStringLiteral(" /dev/ttyUSB1 ");
    bridge.ConfigureCatPort();
    ASSERT_TRUE(catPort.isOpen());
    EXPECT_EQ(catPort.devicePath(), QStringLiteral("/dev/ttyUSB1"));
    setup.CatPortNumber = QStringLiteral("7");
    bridge.ConfigureCatPort();
    EXPECT_EQ(catPort.devicePath(), QString());
    EXPECT_EQ(catPort.portNumber(), 7);
    // Neither a path nor a number: refused as before, nothing opened.
    setup.CatPortNumber = QStringLiteral("dev/ttyUSB1");
    EXPECT_THROW(bridge.ConfigureCatPort(), link::PortFailure);
    EXPECT_FALSE(catPort.isOpen());
}
#endif

TEST_F(CatBridgeTest, ReceivingWaitsForTheRestAndOnlyStoresTheLatestBatch) {
    bridge.ConfigureCatPort();
    catPort.receive(QStringLiteral("FA;"));
    clock.schedule(0.010, [this] { catPort.receive(QStringLiteral("MD;")); });
    catPort.fire(link::CommEvent::kReceiveThreshold);
    EXPECT_EQ(bridge.CatRxBuffer, QStringLiteral("FA;MD;"));
    EXPECT_EQ(panel.input, QStringLiteral("FA;MD;"));
    EXPECT_TRUE(flags.CatCommandPending);
    EXPECT_TRUE(catPort.writes.empty() && port.writes.empty()) << "answers wait for the loop";

    stationSends(QStringLiteral("MD;"));
    bridge.HandleCatCommands();
    EXPECT_FALSE(flags.CatCommandPending);
    EXPECT_EQ(replies(), QStringList({QStringLiteral("MD1;")}));
}

TEST_F(CatBridgeTest, CommandsRunInTurnSoAReadAfterASetReportsTheRadiosAnswer) {
    bridge.ConfigureCatPort();
    port.onWrite = [this](const QString& text) {
        port.arriveAfter(0.02, text.startsWith(u'F') ? text : QStringLiteral("M1\nF0707400\n"));
    };
    stationSends(QStringLiteral("FA;FA00107074000;FA00007074000;FA;MD4;MD2;MD;IF;FA"));
    bridge.HandleCatCommands();
    EXPECT_EQ(written(),
              QStringList({QStringLiteral("F0707400\n"), QStringLiteral("M1\nF0707400\n")}));
    EXPECT_EQ(replies(), QStringList({QStringLiteral("FA00014200000;"),
                                      QStringLiteral("FA00007074000;"), QStringLiteral("MD2;")}));
    EXPECT_EQ(panel.output, QStringLiteral("MD2;"));

    // Nothing true to report: no reply, and the reply box keeps the last one.
    panel.digital = QStringLiteral("RTTY");
    state.FreqReply = QStringLiteral("        ");
    stationSends(QStringLiteral("FA;MD;"));
    bridge.HandleCatCommands();
    EXPECT_EQ(replies(), QStringList({QStringLiteral("MD6;")}));
}

TEST_F(CatBridgeTest, LineErrorsOnlyShowInTheStatusLabel) {
    bridge.ConfigureCatPort();
    for (const auto& [code, caption] : {std::pair{link::CommEvent::kFramingError, "Com2 Error"},
                                        {link::CommEvent::kReceiveOverflow, "Com2 Error"},
                                        {link::CommEvent::kConfigurationError, "Com2 Error"},
                                        {link::CommEvent::kBreak, ""},
                                        {link::CommEvent::kDsrChanged, ""}}) {
        SCOPED_TRACE(code);
        panel.comStat.clear();
        catPort.fire(code);
        EXPECT_EQ(panel.comStat, QString::fromLatin1(caption));
    }
    EXPECT_FALSE(flags.CatCommandPending);
}

TEST_F(CatBridgeTest, SoftwareThatNeverReadsItsRepliesCannotHoldTheProgramUp) {
    bridge.ConfigureCatPort();
    const QString flood = QStringLiteral("FA;").repeated(CatBridge::kReceiveBufferSize / 3);
    // Replies that do not fit the transmit buffer are dropped and reported.
    catPort.stuckOutgoingBytes = CatBridge::kTransmitBufferSize - 10;
    stationSends(flood);
    bridge.HandleCatCommands();
    EXPECT_TRUE(replies().isEmpty());
    EXPECT_EQ(panel.comStat, QStringLiteral("Com2 Error"));
    EXPECT_TRUE(port.writes.empty()) << "reads never reach the radio";
}

/// The panel as the extended commands reach it: a switch, VFO B, and a
/// transmit latch that refuses while told to (outside the bands, say).
class RecordingRig : public CatRig {
public:
    bool extendedCat() const override { return extended; }
    QString vfoB() const override { return b; }
    bool setVfoB(const QString& digits) override {
        b = digits;
        return true;
    }
    bool setTransmit(bool on) override {
        requests << on;
        latched = on && refuseTransmit ? latched : on;
        return !(on && refuseTransmit);
    }

    bool extended = true;
    QString b = QStringLiteral("1420000");
    bool refuseTransmit = false;
    bool latched = false;
    QList<bool> requests;
};

class CatBridgeExtendedTest : public CatBridgeTest {
protected:
    CatBridgeExtendedTest() {
        bridge.attachRig(rig);
        bridge.ConfigureCatPort();
    }

    QStringList exchange(const QString& batch) {
        stationSends(batch);
        bridge.HandleCatCommands();
        return replies();
    }

    RecordingRig rig;
};

TEST_F(CatBridgeExtendedTest, HamlibsOpeningPollIsAnsweredAndTheSwitchActsOnTheNextBatch) {
    state.RadioKeyed = true;
    EXPECT_EQ(
        exchange(QStringLiteral("ID;PS;IF;AI;AI0;VX0;PS1;FB;SA;")),
        QStringList({QStringLiteral("ID019;"), QStringLiteral("PS1;"),
                     QStringLiteral("IF00014200000     +00000000011") + QStringLiteral("0000000;"),
                     QStringLiteral("AI0;"), QStringLiteral("FB00014200000;"),
                     QStringLiteral("?;")}));
    EXPECT_EQ(panel.output, QStringLiteral("?;"));
    EXPECT_TRUE(port.writes.empty()) << "reads never reach the radio";

    // Switched off (Apply in the links dialog): the very next batch gets
    // only what the plain bridge answers, and nothing keys.
    rig.extended = false;
    EXPECT_EQ(exchange(QStringLiteral("IF;ID;TX;XY;MD;")), QStringList({QStringLiteral("MD1;")}));
    EXPECT_TRUE(rig.requests.isEmpty());
    rig.extended = true;
    EXPECT_EQ(exchange(QStringLiteral("ID;")), QStringList({QStringLiteral("ID019;")}));
}

TEST_F(CatBridgeExtendedTest, TransmitGoesThroughThePanelLatchAndNoiseNeverKeys) {
    for (const auto& [request, latched] :
         {std::pair{"TX;", true}, {"RX;", false}, {"TX1;", true}, {"RX;", false}}) {
        SCOPED_TRACE(request);
        EXPECT_TRUE(exchange(QString::fromLatin1(request)).isEmpty());
        EXPECT_EQ(rig.latched, latched);
    }

    // The panel refuses (outside the bands): the software is told "?;".
    rig.refuseTransmit = true;
    EXPECT_EQ(exchange(QStringLiteral("TX0;")), QStringList({QStringLiteral("?;")}));
    EXPECT_FALSE(rig.latched);
    rig.refuseTransmit = false;

    // A well-formed request inside line noise is not trusted.
    rig.requests.clear();
    EXPECT_EQ(exchange(QString::fromLatin1("\x13\xfe;TX;", 6)),
              QStringList({QStringLiteral("?;"), QStringLiteral("?;")}));
    EXPECT_EQ(exchange(QStringLiteral("TX;\x7f")), QStringList({QStringLiteral("?;")}));
    EXPECT_TRUE(rig.requests.isEmpty());
    EXPECT_FALSE(rig.latched);
}

}  // namespace
}  // namespace tq::cat
